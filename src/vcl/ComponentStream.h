// Component streams: the binary form "TPF0" (documents, compiled form resources) and the text form
// ("object Name: TClass ... end") in which forms and frames are designed.
//
// What is written: every published property (Q_PROPERTY from TPersistent down) that is stored and
// differs from the ancestor's value or, without an ancestor, from its declared default. Defaults and
// stored rules stand beside the property in the class:
//     Q_PROPERTY(Controls::TAlign Align READ Align WRITE SetAlign)
//     Q_CLASSINFO("Default:Align", "alNone")           // default value, as it is written in text form
//     Q_CLASSINFO("Stored:Color", "IsColorStored")      // Q_INVOKABLE bool IsColorStored() const
// A property with no declared default is always written when there is no ancestor (strings only when not
// empty, numbers with a fraction only when not 0). STORED false in Q_PROPERTY keeps a property out.
// Property kinds: int, qint64, bool, double, Currency, QString, Q_ENUM/Q_FLAG types (by their value
// names), events (TEvent<...>, by handler name), pointers to components (references by name, resolved
// after the whole stream is read and type-checked), pointers to other persistent objects (owned
// sub-objects such as TFont, written as "Font.Height"), TCollection pointers (written whole) and
// TStrings (their lines).
#pragma once

#include "Classes.h"

#include <QByteArray>
#include <QIODevice>
#include <QSet>

#include <memory>
#include <unordered_map>

// A stream that cannot be read: damaged, hostile or of another kind. The message says what is wrong.
class EReadError : public EStreamError
{
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError
{
    using EStreamError::EStreamError;
};

enum TValueType : quint8 {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
    vaSingle = 15,
    vaCurrency = 16,
    vaDate = 17,
    vaWString = 18,
    vaInt64 = 19,
    vaUTF8String = 20,
};

enum TFilerFlag : quint8 { ffInherited = 0x01, ffChildPos = 0x02, ffInline = 0x04 };

// Limits on what one read may build, so hostile input ends in EReadError rather than exhausting memory.
struct TReaderLimits {
    int MaxDepth = 48;                  // nesting of components, sub-objects, lists and collections
    qsizetype MaxStringBytes = 1 << 20; // one string or binary value
    int MaxListItems = 1 << 16;         // items of one list, set or collection
    int MaxComponents = 100000;         // components read or created by one read (a 64-page document has ~16000)
};

class TFiler
{
public:
    using TReaderProc = std::function<void(TReader *Reader)>;
    using TWriterProc = std::function<void(TWriter *Writer)>;
    virtual ~TFiler() = default;

    // The root of the whole stream, the root whose components names refer to (a form, or an inline
    // frame while its part is streamed), and the object the current one is compared with (writing).
    TComponent *Root() const { return FRoot; }
    TComponent *LookupRoot() const { return FLookupRoot; }
    TPersistent *Ancestor() const { return FAncestor; }
    void SetAncestor(TPersistent *Value) { FAncestor = Value; }

    // Called from DefineProperties: non-published data under Name, written when HasData.
    virtual void DefineProperty(const QString &Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
    virtual void DefineBinaryProperty(const QString &Name, std::function<void(const QByteArray &)> ReadData,
                                      std::function<QByteArray()> WriteData, bool HasData) = 0;

protected:
    TComponent *FRoot = nullptr;
    TComponent *FLookupRoot = nullptr;
    TPersistent *FAncestor = nullptr;
};

class TWriter : public TFiler
{
public:
    // Appends to Buffer.
    explicit TWriter(QByteArray &Buffer);
    ~TWriter() override;

    // Signature, then Root with its children; only what differs from Ancestor (nullptr: from the defaults).
    void WriteDescendent(TComponent *Root, TComponent *AAncestor);
    void WriteRootComponent(TComponent *Root) { WriteDescendent(Root, nullptr); }
    // One child of the component being written (the GetChildren callback).
    void WriteComponent(TComponent *Component);
    // Header, properties and children of Instance against the current ancestor (TComponent::WriteState).
    void WriteData(TComponent *Instance);

    void WriteSignature();
    void WriteValue(TValueType Value);
    void WriteListBegin() { WriteValue(vaList); }
    void WriteListEnd() { WriteValue(vaNull); }
    void WriteInteger(qint64 Value);
    void WriteBoolean(bool Value) { WriteValue(Value ? vaTrue : vaFalse); }
    void WriteFloat(long double Value);
    void WriteSingle(float Value);
    void WriteCurrency(Currency Value);
    void WriteDate(TDateTime Value);
    // cp1253 when the text fits it, else UTF-16 (nothing is lost).
    void WriteString(const QString &Value);
    void WriteIdent(const QByteArray &Ident);
    void WriteBinary(const QByteArray &Data);
    void WriteStr(const QByteArray &Value); // length byte and bytes (names)
    void WriteCollection(TCollection *Value);

    // A component as a stream stored it (prefix, class, name, properties, parts), written in place of
    // WriteData by a component that stands for one not read yet (TReader::OnStored).
    void WriteStored(const QByteArray &Stored);

    void DefineProperty(const QString &Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
    void DefineBinaryProperty(const QString &Name, std::function<void(const QByteArray &)> ReadData,
                              std::function<QByteArray()> WriteData, bool HasData) override;

    // An untouched instance of T, made without owner at the first request of this write and shared by every
    // component written against it (writing only reads it); it goes with the writer.
    template <class T> T *FreshInstance()
    {
        for (const std::unique_ptr<TComponent> &c : FFresh)
            if (c->metaObject() == &T::staticMetaObject)
                return static_cast<T *>(c.get());
        FFresh.push_back(std::make_unique<T>(nullptr));
        return static_cast<T *>(FFresh.back().get());
    }

private:
    void WriteProperties(TPersistent *Instance);
    void WritePrefix(quint8 Flags, int ChildPos);
    struct TAncestorValues;

    QByteArray &FBuffer;
    TComponent *FRootAncestor = nullptr;
    QByteArray FPropPath;     // "Font." while a sub-object is written
    quint8 FPendingFlags = 0; // prefix of the component about to be written
    int FPendingChildPos = -1;
    qsizetype FHeaderEnd = 0;            // end of the last written header (for dropping unchanged children)
    QList<TComponent *> FAncestorList;   // children of the ancestor at the current level
    QHash<TNameKey, int> FAncestorIndex; // their names
    int FChildPos = 0;
    std::vector<std::unique_ptr<TComponent>> FFresh;
    std::unique_ptr<TAncestorValues> FAncestorValues;
};

class TReader : public TFiler
{
public:
    explicit TReader(const QByteArray &Data, TReaderLimits Limits = {});
    ~TReader() override;

    // Reads the stream into the existing Root: properties of the root, components found by name
    // receive their values, missing ones are created by registered class name. References are resolved
    // and Loaded runs on everything read once the whole stream is in.
    void ReadRootComponent(TComponent *Root);

    void ReadSignature();
    TValueType ReadValue();
    TValueType NextValue();
    bool EndOfList();
    void ReadListBegin() { CheckValue(vaList); }
    void ReadListEnd() { CheckValue(vaNull); }
    void CheckValue(TValueType Value);
    qint64 ReadInteger();
    bool ReadBoolean();
    long double ReadFloat();
    Currency ReadCurrency();
    QString ReadString();
    QByteArray ReadIdent();
    QByteArray ReadStr();
    // Passes over the next value, whatever its type, checking it as the reading would.
    void SkipValue();
    qsizetype Position() const { return FPos; }
    // Back to an earlier position (to read a value again with another reader).
    void Seek(qsizetype Pos) { FPos = std::clamp<qsizetype>(Pos, 0, FData.size()); }
    const TReaderLimits &Limits() const { return FLimits; }
    void ReadPrefix(quint8 &Flags, int &ChildPos);
    void Enter();
    void Leave() { --FDepth; }
    qsizetype Remaining() const { return FData.size() - FPos; }
    void ReadBytes(void *Dest, qsizetype Count);
    qint32 ReadLength(qsizetype UnitSize);

    void DefineProperty(const QString &Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
    void DefineBinaryProperty(const QString &Name, std::function<void(const QByteArray &)> ReadData,
                              std::function<QByteArray()> WriteData, bool HasData) override;

    // Raises EReadError with the position.
    [[noreturn]] void Error(const QString &Message) const;

    // Asked before a component of the stream that does not exist yet is made, with its parent, its class
    // and name, and its whole stored form (prefix to end); true when the callee has put what stands for
    // it in its place (the reader goes on after it). Components of form designs are always made.
    using TStoredHook = std::function<bool(TComponent *Parent, const QByteArray &ClassName, const QString &Name,
                                           const QByteArray &Stored)>;
    TStoredHook OnStored;

    // A form resource and what reading it learned (so that later instances read it without looking names up).
    struct TDesign;

private:
    friend class TStoredInspector;
    friend bool InitInheritedComponent(TComponent *Instance, const QMetaObject *RootAncestor);
    friend void ReadComponentResource(const QString &Path, TComponent *Instance);
    struct TDesignMemo;
    bool ReplayProperty(TPersistent *Instance);
    // Reads one entry of a list of children; true when it is a control (or left stored).
    bool ReadComponentChild(TComponent *Parent);
    void ReadChildList(TComponent *Parent);
    // Passes over the rest of a component whose header has been read: properties and parts.
    void SkipComponentBody();
    void ReadProperties(TPersistent *Instance);
    void ReadProperty(TPersistent *Instance);
    void ReadCollection(TCollection *Collection);
    void ResolveFixups();
    void ClearLoadingState();

    struct Fixup {
        QPointer<QObject> Instance;
        const void *Property; // how the reference is written (the reader's plan of the property)
        QString Name;
        QPointer<TComponent> LookupRoot;
        QByteArray PropName;
    };

    const QByteArray FData;
    qsizetype FPos = 0;
    TReaderLimits FLimits;
    int FDepth = 0;
    int FComponentCount = 0;
    quint64 FCreatedAtStart = 0;
    TComponent *FOwner = nullptr;
    QList<QPointer<TComponent>> FLoaded;
    QSet<TComponent *> FLoadedSet;
    QList<Fixup> FFixups;
    QString FPropName; // name DefineProperties is asked about
    QByteArray FCurrentProperty;
    const void *FLastPlan = nullptr; // where the last property was found, to find the next one fast
    int FLastIndex = -1;             // property whose value is being read, named in errors
    bool FPropHandled = false;
    TDesignMemo *FMemo = nullptr; // reading a form design: what earlier readings of it learned
};

// Writes Instance as a binary stream against Ancestor (nullptr: against the declared defaults).
QByteArray WriteDescendent(TComponent *Instance, TComponent *Ancestor);
void WriteDescendent(QIODevice &Stream, TComponent *Instance, TComponent *Ancestor);
QByteArray WriteComponent(TComponent *Instance);
// Reads a binary stream into the existing Instance (see TReader::ReadRootComponent); with OnStored, the
// components it takes are left in their stored form (TReader::OnStored).
void ReadComponent(const QByteArray &Data, TComponent *Instance, const TReader::TStoredHook &OnStored = {});
// Reads one component's stored form (as OnStored was given it) into Instance, as a stream holding only
// that component would be read.
void ReadStoredComponent(const QByteArray &Stored, TComponent *Instance);
// How many components of each class a binary stream holds, found without building any (raises EReadError
// when the stream is damaged); a reader can refuse a stream before the costly work.
QHash<QByteArray, int> ComponentClassCounts(const QByteArray &Data, const TReaderLimits &Limits = {});
void ReadComponent(QIODevice &Stream, TComponent *Instance);

// Components stored as descendents of their class's design: as the writer stores a copy of a fresh
// component in which some plain values differ (texts, numbers, truth values, enumerations, sets, and data a
// class defines itself). Inspect reads such a stored component into Copy, a fresh component that nothing
// else uses, lets Look see it, and gives Copy its values back: a reader learns what the component holds, and
// that writing it again gives the same bytes, without making it. Which values may appear is the caller's to
// say: Accepts(class, property path) names those whose setters change nothing but what they set.
class TStoredInspector
{
public:
    using TAccepts = std::function<bool(const QMetaObject *Class, QByteArrayView Path)>;
    // Takes the copy; it must not change but through Inspect.
    TStoredInspector(std::unique_ptr<TComponent> Copy, TAccepts Accepts);
    ~TStoredInspector();
    TStoredInspector(const TStoredInspector &) = delete;
    TStoredInspector &operator=(const TStoredInspector &) = delete;

    // Stored: one component as a stream holds it (prefix, class, name, properties, parts). True when it
    // is exactly what the writer makes of such a copy, once Look has seen Copy holding its values. False,
    // without Look, for anything else: values of other kinds, parts added, moved or out of their order,
    // values equal to the copy's or in another form than the writer's, values the reader refuses (reading
    // it the ordinary way then says what is wrong). Copy holds its own values again after.
    bool Inspect(const QByteArray &Stored, const std::function<void(TComponent *Copy)> &Look);

private:
    struct TRun;
    struct TParts;
    // The parts of C, a component of the copy, found once.
    const TParts &Parts(TComponent *C, TComponent *Root);
    // Whether the writer writes C (a part of the copy, whose names Root's, as it was made) although nothing
    // of it differs: data its class defines itself, in it or in one of its parts.
    bool WrittenUntouched(TComponent *C, TComponent *Root);

    std::unique_ptr<TComponent> FCopy;
    TAccepts FAccepts;
    QHash<const TComponent *, bool> FWrittenUntouched;
    std::unordered_map<const TComponent *, std::unique_ptr<TParts>> FParts;
    // A value could not be given back: Copy is no longer as it was made.
    bool FSpoiled = false;
};

// Works out, on a thread of its own, how each registered class and each of Also is read and written, so
// that the first stream read finds it done rather than doing it then. Any other class is worked out when met.
void PrepareClassPlans(const QList<const QMetaObject *> &Also = {});
// Waits for that thread, if it still runs; called before the program ends.
void FinishClassPlans();

// Text form <-> binary stream. Both raise EReadError on malformed input.
QByteArray ObjectTextToBinary(const QByteArray &Text, const TReaderLimits &Limits = {});
QByteArray ObjectBinaryToText(const QByteArray &Binary, const TReaderLimits &Limits = {});

// Reads the form resource of each class from RootAncestor's descendants down to Instance's own class,
// ancestor first. A class names its resource with Q_CLASSINFO("FormResource", ":/forms/X.dfm"), else
// ":/forms/<ClassName>.dfm" is looked for. Text resources are converted once and kept. False when no
// class level had a resource. Call it in the constructor of each designed class: levels a base class's
// constructor has read already are skipped.
bool InitInheritedComponent(TComponent *Instance, const QMetaObject *RootAncestor);
// Reads one resource (text or binary) into Instance.
void ReadComponentResource(const QString &Path, TComponent *Instance);
