// Component model: persistent objects, components with owners and names, insert/remove notification,
// component state, the class registry, events bound by name, string lists and collections.
#pragma once

#include "SysUtils.h"

#include <QFlags>
#include <QHash>
#include <QList>
#include <QMetaMethod>
#include <QMetaType>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <stdexcept>
#include <functional>
#include <memory>
#include <vector>

class TPersistent;
class TComponent;
class TFiler;
class TReader;
class TWriter;

// Sender of events; any object of the library.
using TObject = QObject;

namespace Classes
{
Q_NAMESPACE

enum TOperation { opInsert, opRemove };
Q_ENUM_NS(TOperation)

enum TComponentStateItem {
    csLoading = 0x0001,
    csReading = 0x0002,
    csWriting = 0x0004,
    csDestroying = 0x0008,
    csDesigning = 0x0010,
    csAncestor = 0x0020,
    csUpdating = 0x0040,
    csFixups = 0x0080,
    csFreeNotification = 0x0100,
    csInline = 0x0200,
    csDesignInstance = 0x0400,
};
Q_DECLARE_FLAGS(TComponentState, TComponentStateItem)
Q_FLAG_NS(TComponentState)

enum TDuplicates { dupIgnore, dupAccept, dupError };
Q_ENUM_NS(TDuplicates)

enum TShiftStateItem {
    ssShift = 0x01,
    ssAlt = 0x02,
    ssCtrl = 0x04,
    ssLeft = 0x08,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40,
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateItem)
Q_FLAG_NS(TShiftState)

} // namespace Classes
Q_DECLARE_OPERATORS_FOR_FLAGS(Classes::TComponentState)
Q_DECLARE_OPERATORS_FOR_FLAGS(Classes::TShiftState)
using namespace Classes;

// Misuse of a component: invalid or duplicate name, failed assignment.
class EComponentError : public Exception
{
    using Exception::Exception;
};
class EClassNotFound : public Exception
{
    using Exception::Exception;
};
class EListError : public Exception
{
    using Exception::Exception;
};
class EStringListError : public EListError
{
    using EListError::EListError;
};

// ---------------------------------------------------------------------------------------------
// Events. An event property holds either a handler bound by name to an invokable member of an
// object (what form resources and documents store) or a plain callable set in code (not stored).

// The parameter types a handler must take, checked when a name is bound.
struct TEventSignature {
    QMetaType ReturnType;
    QList<QMetaType> ParamTypes;
    QList<bool> ParamIsRef; // non-const lvalue reference ("var" parameter)
    QByteArray Text() const;
    bool Matches(const QMetaMethod &method) const;
};

class TMethod
{
public:
    bool IsBound() const { return FIndex >= 0 && !FData.isNull(); }
    QObject *Data() const { return FData.data(); }
    const QByteArray &MethodName() const { return FName; }
    const TEventSignature &Signature() const { return *FSignature; }
    // Binds to the invokable member `name` of `data`; false when there is none with this event's signature.
    bool Bind(QObject *data, const QByteArray &name);
    // Removes the handler, bound or callable.
    void Clear()
    {
        FData.clear();
        FName.clear();
        FIndex = -1;
        ClearCallable();
    }
    bool operator==(const TMethod &other) const
    {
        return FData == other.FData && FName == other.FName && FIndex == other.FIndex;
    }

protected:
    explicit TMethod(const TEventSignature *signature) : FSignature(signature) {}
    virtual ~TMethod() = default;
    TMethod(const TMethod &) = default;
    TMethod &operator=(const TMethod &) = default;
    virtual void ClearCallable() = 0;
    void Invoke(void **argv) const;

    const TEventSignature *FSignature;
    QPointer<QObject> FData;
    QByteArray FName;
    int FIndex = -1;
};

template <typename Sig> class TEvent;

namespace EventDetail
{
void RegisterEventMetaType(QMetaType type);
template <typename T> void AddParam(TEventSignature &s)
{
    using Plain = std::remove_cvref_t<T>;
    s.ParamTypes.append(QMetaType::fromType<Plain>());
    s.ParamIsRef.append(std::is_lvalue_reference_v<T> && !std::is_const_v<std::remove_reference_t<T>>);
}
template <typename R, typename... A> const TEventSignature *SignatureOf()
{
    static const TEventSignature sig = [] {
        TEventSignature s;
        if constexpr (std::is_void_v<R>)
            s.ReturnType = QMetaType::fromType<void>();
        else
            s.ReturnType = QMetaType::fromType<R>();
        (AddParam<A>(s), ...);
        RegisterEventMetaType(QMetaType::fromType<TEvent<R(A...)>>());
        return s;
    }();
    return &sig;
}
} // namespace EventDetail

// TEvent<void(TObject *Sender)> and the like; call it like a function (an unassigned event does nothing
// and gives a default result).
template <typename R, typename... A> class TEvent<R(A...)> final : public TMethod
{
public:
    TEvent() : TMethod(EventDetail::SignatureOf<R, A...>()) {}
    TEvent(std::nullptr_t) : TEvent() {}
    template <typename F, typename = std::enable_if_t<std::is_invocable_r_v<R, F, A...> &&
                                                      !std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F &&f) : TEvent()
    {
        FFunc = std::forward<F>(f);
    }
    TEvent(const TEvent &) = default;
    TEvent &operator=(const TEvent &) = default;

    bool Assigned() const { return bool(FFunc) || IsBound(); }
    explicit operator bool() const { return Assigned(); }
    bool operator==(const TEvent &other) const { return TMethod::operator==(other) && !FFunc && !other.FFunc; }

    R operator()(A... args) const
    {
        if (FFunc)
            return FFunc(std::forward<A>(args)...);
        if constexpr (std::is_void_v<R>) {
            void *argv[] = {nullptr, const_cast<void *>(static_cast<const void *>(std::addressof(args)))...};
            if (IsBound())
                Invoke(argv);
        } else {
            R result{};
            void *argv[] = {&result, const_cast<void *>(static_cast<const void *>(std::addressof(args)))...};
            if (IsBound())
                Invoke(argv);
            return result;
        }
    }

private:
    void ClearCallable() override { FFunc = nullptr; }
    std::function<R(A...)> FFunc;
};

using TNotifyEvent = TEvent<void(TObject *Sender)>;

// An event bound to the invokable method `name` of `data`. Unlike a lambda that captures the object, every
// copy of it (one saved to be restored later, say) falls silent once the object is gone.
template <typename E> E BoundEvent(QObject *data, const QByteArray &name)
{
    E event;
    if (!event.Bind(data, name))
        throw std::logic_error("no handler " + name.toStdString());
    return event;
}

// Recognises event property types and reaches their TMethod part inside a QVariant.
// (An event type is known once any event of that type was constructed.)
bool IsEventType(QMetaType type);
const TMethod *EventFromVariant(const QVariant &value);
TMethod *EventFromVariant(QVariant &value);

// ---------------------------------------------------------------------------------------------

class TPersistent : public QObject
{
    Q_OBJECT
public:
    TPersistent() = default;
    ~TPersistent() override = default;
    // Copies Source into this object; classes that cannot copy it hand it to Source's AssignTo, which
    // raises EConvertError when neither side knows the other.
    virtual void Assign(TPersistent *Source);
    // The class name as it is streamed ("TFont").
    QString ClassName() const { return QString::fromLatin1(metaObject()->className()); }
    bool InheritsFrom(const QMetaObject *cls) const { return metaObject()->inherits(cls); }
    // Non-published data the component stream carries (a string list's lines); see TFiler::DefineProperty.
    virtual void DefineProperties(TFiler *Filer);

protected:
    virtual void AssignTo(TPersistent *Dest);
    // Owner for name paths; none by default.
    virtual TPersistent *GetOwner() { return nullptr; }
};

using TGetChildProc = std::function<void(TComponent *Child)>;

// Component names compare ignoring the case of ASCII letters (names are identifiers).
struct TNameKey {
    QString Name;
};

// Components in the order they were added; adding, finding and removing one take constant time (a data
// source hears of being freed by every box of every page bound to it).
class TComponentRefs
{
public:
    bool IsEmpty() const { return FIndex.isEmpty(); }
    bool Contains(TComponent *c) const { return FIndex.contains(c); }
    void Append(TComponent *c);
    bool Remove(TComponent *c);
    // The last one added, taken out.
    TComponent *TakeLast();

private:
    std::vector<TComponent *> FItems; // nullptr where one was removed
    QHash<TComponent *, size_t> FIndex;
};
bool operator==(const TNameKey &a, const TNameKey &b) noexcept;
size_t qHash(const TNameKey &key, size_t seed = 0) noexcept;

class TComponent : public TPersistent
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName STORED false)
    Q_PROPERTY(qint64 Tag READ Tag WRITE SetTag)
    Q_CLASSINFO("Default:Tag", "0")
public:
    Q_INVOKABLE explicit TComponent(TComponent *AOwner);
    // Tells those that asked (FreeNotification), frees the owned components in reverse creation order
    // and leaves the owner (whose components hear opRemove). It runs after the destructors of derived
    // classes: a class whose owned components need its own parts alive while they go (a windowed
    // control and the controls on it) calls Destroying() and DestroyComponents() first in its destructor.
    // Components leaving an owner that is being freed leave it quietly unless a component of the same owner
    // asked for free notification of them, so freeing a large tree stays linear.
    ~TComponent() override;

    TComponent *Owner() const { return FOwner; }
    const QString &Name() const { return FName; }
    void SetName(const QString &NewName);
    qint64 Tag() const { return FTag; }
    void SetTag(qint64 Value) { FTag = Value; }

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent *Components(int Index) const;
    const QList<TComponent *> &ComponentList() const { return FComponents; }
    int ComponentIndex() const;
    void SetComponentIndex(int Value);
    // Owned component of that name, ignoring case; nullptr when there is none.
    TComponent *FindComponent(const QString &AName) const;

    void InsertComponent(TComponent *AComponent);
    void RemoveComponent(TComponent *AComponent);
    // Frees every owned component, last created first.
    void DestroyComponents();
    // Marks this component and its owned ones as being destroyed.
    void Destroying();

    // AComponent hears (Notification opRemove) when this component is freed, and the other way round.
    void FreeNotification(TComponent *AComponent);
    void RemoveFreeNotification(TComponent *AComponent);

    TComponentState ComponentState() const { return FComponentState; }
    bool IsLoading() const { return FComponentState.testFlag(csLoading); }
    bool IsDesigning() const { return FComponentState.testFlag(csDesigning); }
    bool IsDestroying() const { return FComponentState.testFlag(csDestroying); }
    void SetDesigning(bool Value, bool SetChildren = true);
    void SetInline(bool Value);
    void SetDesignInstance(bool Value);

    // Streaming hooks.
    virtual void GetChildren(TGetChildProc Proc, TComponent *Root);
    virtual TComponent *GetChildOwner();
    virtual TComponent *GetChildParent();
    virtual bool HasParent() const;
    virtual TComponent *GetParentComponent() const;
    virtual void SetParentComponent(TComponent *Value);
    virtual void SetChildOrder(TComponent *Child, int Order);
    // Writes this component (its properties and children) through Writer; a component may swap the
    // writer's ancestor around the inherited call.
    virtual void WriteState(TWriter *Writer);
    // Runs after the whole stream was read and its references resolved.
    virtual void Loaded();
    // A component that stands for one a reader left in its stored form (TReader::OnStored) becomes that
    // component here; a reader about to read more into it calls this first.
    virtual void MakeWhole() {}
    // Around the Loaded calls of all the components of a stream, the reader holds back work that each
    // Loaded would redo for the others (a control's alignment), and releases it after the last.
    virtual void HoldUpdates() {}
    virtual void ReleaseUpdates() {}
    // Told about every component inserted into or removed from the owner of this component (and about
    // freed components this one asked to hear of). Overrides must call the inherited one: it passes the
    // message on to this component's own components (an inline frame only news of its own parts). A
    // component created with an owner is not announced by its construction (it is not yet of its class
    // then); a class whose arrival matters announces itself at the end of its constructor.
    virtual void Notification(TComponent *AComponent, TOperation Operation);

    // Components constructed so far in this process (the reader caps how many one stream may create).
    static quint64 CreatedCount() { return FCreatedCount; }
    // The deepest class whose form resource has been read into this component (InitInheritedComponent).
    const QMetaObject *DesignClass() const { return FDesignClass; }
    void SetDesignClass(const QMetaObject *Value) { FDesignClass = Value; }
    // Position of a non-visual component in a design (the stream's "Left" and "Top").
    int DesignInfo() const { return FDesignInfo; }
    void SetDesignInfo(int Value) { FDesignInfo = Value; }
    void DefineProperties(TFiler *Filer) override;

    // State flags the reader and writer set.
    void SetState(TComponentState Flags) { FComponentState |= Flags; }
    void ClearState(TComponentState Flags) { FComponentState &= ~Flags; }

protected:
    // Raises EComponentError when NewName is not an identifier or is taken in the owner.
    virtual void ValidateRename(TComponent *AComponent, const QString &CurName, const QString &NewName);
    virtual void ValidateInsert(TComponent *AComponent);
    virtual void ValidateContainer(TComponent *AComponent);
    virtual void SetChildName(const QString &NewName) { FName = NewName; }

private:
    void InsertComponent(TComponent *AComponent, bool Notify);
    bool LeftQuietly(TComponent *AComponent) const;
    void Insert(TComponent *AComponent);
    void Remove(TComponent *AComponent);
    void SetReference(bool Enable);
    void ChangeName(const QString &NewName);

    TComponent *FOwner = nullptr;
    QString FName;
    qint64 FTag = 0;
    QList<TComponent *> FComponents;
    QHash<TNameKey, TComponent *> FNameIndex;
    TComponentRefs FFreeNotifies;
    // A component of the same owner asked to hear when this one is freed (the owner's notification tells it).
    bool FSiblingsListen = false;
    TComponentState FComponentState;
    int FDesignInfo = 0;
    const QMetaObject *FDesignClass = nullptr;
    static inline quint64 FCreatedCount = 0;
};

// True when Name is a valid component name (letter or "_" first, then letters, digits, "_").
bool IsValidIdent(const QString &Name);

// ---------------------------------------------------------------------------------------------
// Class registry: the classes a stream may create, by class name.

using TComponentClass = const QMetaObject *;
using TComponentFactory = std::function<TComponent *(TComponent *AOwner)>;

void RegisterClass(TComponentClass AClass, TComponentFactory Factory);
template <typename T> void RegisterClass()
{
    RegisterClass(&T::staticMetaObject, [](TComponent *AOwner) -> TComponent * { return new T(AOwner); });
}
// A class with a Q_INVOKABLE constructor taking (TComponent *AOwner) can be registered by its meta-object
// alone (for instance the class of a component at hand).
void RegisterClass(TComponentClass AClass);
template <typename... T> void RegisterClasses()
{
    (RegisterClass<T>(), ...);
}
void UnRegisterClass(TComponentClass AClass);
// nullptr when no class of that name is registered.
TComponentClass GetClass(const QString &ClassName);
// Every class registered so far.
QList<TComponentClass> RegisteredClasses();

// Runs Work on a thread of its own, for what the program may prepare while it starts; every such thread is
// waited for as the application object goes.
void RunBesideApplication(std::function<void()> Work);
// Raises EClassNotFound when no class of that name is registered.
TComponentClass FindClass(const QString &ClassName);
// Creates a component of a registered class; raises EClassNotFound for an unregistered one.
TComponent *CreateComponent(TComponentClass AClass, TComponent *AOwner);

// Roots (forms, data modules) whose components other roots may refer to as "Root.Component".
void AddGlobalRoot(TComponent *Root);
void RemoveGlobalRoot(TComponent *Root);
TComponent *FindGlobalComponent(const QString &Name);
bool IsGlobalRoot(const TComponent *Root);

// Enumerations whose property values are plain integers, written by name only when one fits (colours,
// character sets).
void RegisterIntegerEnum(const QMetaEnum &Enum);
bool IsIntegerEnum(const QMetaEnum &Enum);

// ---------------------------------------------------------------------------------------------

class TStrings : public TPersistent
{
    Q_OBJECT
public:
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    virtual int Count() const = 0;
    virtual QString Get(int Index) const = 0;
    virtual void Put(int Index, const QString &S);
    virtual TObject *GetObject(int Index) const;
    virtual void PutObject(int Index, TObject *AObject);
    virtual void Insert(int Index, const QString &S) = 0;
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual int Add(const QString &S);
    int AddObject(const QString &S, TObject *AObject);
    void InsertObject(int Index, const QString &S, TObject *AObject);
    void AddStrings(const TStrings *Strings);
    virtual int IndexOf(const QString &S) const;
    int IndexOfName(const QString &Name) const;
    int IndexOfObject(TObject *AObject) const;
    void Move(int CurIndex, int NewIndex);
    void Exchange(int Index1, int Index2);

    QString Strings(int Index) const { return Get(Index); }
    TObject *Objects(int Index) const { return GetObject(Index); }
    QString Names(int Index) const;
    QString Values(const QString &Name) const;
    void SetValue(const QString &Name, const QString &Value);
    // Lines joined with CR LF, each line ended.
    QString Text() const;
    void SetText(const QString &Value);
    QString CommaText() const;
    void SetCommaText(const QString &Value);
    QStringList ToStringList() const;
    void SetStrings(const QStringList &Lines);

    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // Lines in code page 1253, CR LF ends.
    void LoadFromFile(const QString &FileName);
    void SaveToFile(const QString &FileName) const;

    void Assign(TPersistent *Source) override;
    bool Equals(const TStrings *Strings) const;
    void DefineProperties(TFiler *Filer) override;

protected:
    virtual void Changed();
    virtual void Changing();
    virtual void SetUpdateState(bool Updating);
    void Error(const QString &Msg, int Data) const;

private:
    int FUpdateCount = 0;
};

class TStringList : public TStrings
{
    Q_OBJECT
public:
    TStringList() = default;
    ~TStringList() override;
    int Count() const override { return int(FList.size()); }
    QString Get(int Index) const override;
    void Put(int Index, const QString &S) override;
    TObject *GetObject(int Index) const override;
    void PutObject(int Index, TObject *AObject) override;
    void Insert(int Index, const QString &S) override;
    void Delete(int Index) override;
    void Clear() override;
    int Add(const QString &S) override;
    int IndexOf(const QString &S) const override;
    // Binary search of a sorted list; Index is where S is or would go.
    bool Find(const QString &S, int &Index) const;
    void Sort();
    virtual void CustomSort(const std::function<int(const TStringList *, int, int)> &Compare);

    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value);

protected:
    int CompareStrings(const QString &S1, const QString &S2) const;
    void SetUpdateState(bool Updating) override;

private:
    struct Item {
        QString S;
        TObject *Object = nullptr;
    };
    void InsertItem(int Index, const QString &S, TObject *AObject);
    QList<Item> FList;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = dupIgnore;
};

// ---------------------------------------------------------------------------------------------

class TCollection;

class TCollectionItem : public TPersistent
{
    Q_OBJECT
public:
    explicit TCollectionItem(TCollection *Collection);
    ~TCollectionItem() override;
    TCollection *Collection() const { return FCollection; }
    void SetCollection(TCollection *Value);
    int Index() const;
    void SetIndex(int Value);
    int ID() const { return FID; }

protected:
    void Changed(bool AllItems);
    TPersistent *GetOwner() override;

private:
    friend class TCollection;
    TCollection *FCollection = nullptr;
    int FID = 0;
};

using TCollectionItemFactory = std::function<TCollectionItem *(TCollection *)>;

// An owned list of items of one class; the stream writes it as a whole.
class TCollection : public TPersistent
{
    Q_OBJECT
public:
    TCollection(const QMetaObject *ItemClass, TCollectionItemFactory Factory, TPersistent *Owner = nullptr);
    template <typename Item> static TCollection *Of(TPersistent *Owner = nullptr)
    {
        return new TCollection(
            &Item::staticMetaObject, [](TCollection *c) { return new Item(c); }, Owner);
    }
    ~TCollection() override;

    TCollectionItem *Add();
    TCollectionItem *Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return int(FItems.size()); }
    TCollectionItem *Items(int Index) const;
    TCollectionItem *FindItemID(int ID) const;
    const QMetaObject *ItemClass() const { return FItemClass; }
    void BeginUpdate();
    void EndUpdate();
    void Assign(TPersistent *Source) override;

    TNotifyEvent OnChange;

protected:
    virtual void Update(TCollectionItem *Item);
    TPersistent *GetOwner() override { return FOwner; }

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem *Item, int Index);
    void RemoveItem(TCollectionItem *Item);
    void Changed();

    const QMetaObject *FItemClass;
    TCollectionItemFactory FFactory;
    TPersistent *FOwner;
    QList<TCollectionItem *> FItems;
    int FNextID = 0;
    int FUpdateCount = 0;
};
