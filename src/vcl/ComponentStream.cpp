#include "ComponentStream.h"

#include "CodePage.h"

#include <QFile>
#include <QPointer>
#include <QMetaEnum>
#include <QStringDecoder>
#include <QtEndian>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <optional>
#include <thread>
#include <unordered_map>

static_assert(LDBL_MANT_DIG == 64, "the stream's extended values are x87 80-bit numbers");

// ---------------------------------------------------------------------------------------------
// Published properties of a class, examined once per class.

namespace
{

enum class PropKind {
    Int,
    Int64,
    Bool,
    Enum,
    Set,
    String,
    Float,
    Currency,
    Event,
    Reference,
    SubObject,
    Collection,
    Other
};

// How a plain property's value is held, so that it can be read straight into its own type.
enum class Storage { None, Int8, Int16, Int32, UInt32, Int64, Bool, Double, Single, Amount, Text, Pointer };

struct PropPlan {
    QMetaProperty Prop;
    int Index = -1;
    QByteArray Name;
    PropKind Kind = PropKind::Other;
    Storage Store = Storage::None;
    bool Readable = false;
    const QMetaObject *Enclosing = nullptr;
    // The declaring class's own meta-call and the property's index there: reading through it skips the
    // walk down the class chain that a meta-call by absolute index makes.
    decltype(QMetaObject::Data::static_metacall) StaticCall = nullptr;
    int LocalIndex = -1;
    QMetaType Type;
    // An event property is read into this, made once (reading it then allocates nothing).
    mutable QVariant EventScratch;
    QMetaEnum Enum;
    bool IntegerEnum = false;
    const QMetaObject *PointeeClass = nullptr;
    bool HasDefault = false;
    qint64 DefaultInt = 0;
    long double DefaultFloat = 0;
    QString DefaultString;
    bool StaticStored = true;
    int StoredMethod = -1;
};

struct ClassPlan {
    QList<PropPlan> Props;
    QHash<QByteArray, int> ByName; // lower-case name

    // Streams list properties in declaration order, so the search starts after the last one found.
    int Find(const QByteArray &name, int after = -1) const
    {
        const int n = int(Props.size());
        for (int k = 0; k < n; ++k) {
            const int i = (after + 1 + k) % n;
            const QByteArray &candidate = Props[i].Name;
            if (candidate.size() == name.size() &&
                std::memcmp(candidate.constData(), name.constData(), name.size()) == 0)
                return i;
        }
        return ByName.value(name.toLower(), -1);
    }
};

QVariant IntToEnum(QMetaType type, qint64 value)
{
    switch (type.sizeOf()) {
    case 1: {
        qint8 x = qint8(value);
        return QVariant(type, &x);
    }
    case 2: {
        qint16 x = qint16(value);
        return QVariant(type, &x);
    }
    case 8:
        return QVariant(type, &value);
    default: {
        qint32 x = qint32(value);
        return QVariant(type, &x);
    }
    }
}

// Set elements: the single-bit values of a flag enumeration, in declaration order.
QList<int> SetBits(const QMetaEnum &e)
{
    QList<int> bits;
    for (int i = 0; i < e.keyCount(); ++i) {
        const int v = e.value(i);
        if (v != 0 && (v & (v - 1)) == 0 && !bits.contains(v))
            bits << v;
    }
    return bits;
}

bool ParseSetText(const QMetaEnum &e, QString text, qint64 &result)
{
    text = text.trimmed();
    if (!text.startsWith(u'[') || !text.endsWith(u']'))
        return false;
    result = 0;
    const QStringList items = text.mid(1, text.size() - 2).split(u',', Qt::SkipEmptyParts);
    for (const QString &item : items) {
        bool ok = false;
        const int v = e.keyToValue(item.trimmed().toLatin1().constData(), &ok);
        if (!ok)
            return false;
        result |= v;
    }
    return true;
}

bool ParseDefault(PropPlan &p, const QString &text)
{
    bool ok = true;
    switch (p.Kind) {
    case PropKind::Int:
    case PropKind::Int64:
        p.DefaultInt = text.toLongLong(&ok);
        break;
    case PropKind::Bool:
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            p.DefaultInt = 1;
        else if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            p.DefaultInt = 0;
        else
            ok = false;
        break;
    case PropKind::Enum: {
        const int v = p.Enum.keyToValue(text.toLatin1().constData(), &ok);
        if (ok)
            p.DefaultInt = v;
        else if (p.IntegerEnum)
            p.DefaultInt = text.toLongLong(&ok);
        break;
    }
    case PropKind::Set:
        ok = ParseSetText(p.Enum, text, p.DefaultInt);
        break;
    case PropKind::String:
        p.DefaultString = text;
        break;
    case PropKind::Float:
        p.DefaultFloat = text.toDouble(&ok);
        break;
    case PropKind::Currency: {
        Currency c;
        ok = TryStrToCurrency(QString(text).replace(u'.', u','), c);
        p.DefaultInt = c.Raw();
        break;
    }
    default:
        ok = false;
    }
    return ok;
}

Storage StorageOf(PropKind kind, QMetaType t)
{
    switch (kind) {
    case PropKind::Enum:
    case PropKind::Set:
        switch (t.sizeOf()) {
        case 1:
            return Storage::Int8;
        case 2:
            return Storage::Int16;
        case 8:
            return Storage::Int64;
        default:
            return Storage::Int32;
        }
    case PropKind::Int:
        return t == QMetaType::fromType<short>()  ? Storage::Int16
               : t == QMetaType::fromType<uint>() ? Storage::UInt32
                                                  : Storage::Int32;
    case PropKind::Int64:
        return t.sizeOf() == 8 ? Storage::Int64 : Storage::Int32;
    case PropKind::Bool:
        return Storage::Bool;
    case PropKind::Float:
        return t == QMetaType::fromType<float>() ? Storage::Single : Storage::Double;
    case PropKind::Currency:
        return Storage::Amount;
    case PropKind::String:
        return Storage::Text;
    case PropKind::Reference:
    case PropKind::SubObject:
    case PropKind::Collection:
        return Storage::Pointer;
    default:
        return Storage::None;
    }
}

std::shared_ptr<ClassPlan> MakePlan(const QMetaObject *mo)
{
    auto plan = std::make_shared<ClassPlan>();
    const int first = TPersistent::staticMetaObject.propertyOffset();
    for (int i = first; i < mo->propertyCount(); ++i) {
        PropPlan p;
        p.Prop = mo->property(i);
        p.Index = i;
        p.Name = p.Prop.name();
        const QMetaType t = p.Prop.metaType();
        p.StaticStored = p.Prop.isStored();
        if (p.Prop.isFlagType()) {
            p.Kind = PropKind::Set;
            p.Enum = p.Prop.enumerator();
        } else if (p.Prop.isEnumType()) {
            p.Kind = PropKind::Enum;
            p.Enum = p.Prop.enumerator();
            p.IntegerEnum = IsIntegerEnum(p.Enum);
        } else if (t == QMetaType::fromType<int>() || t == QMetaType::fromType<short>() ||
                   t == QMetaType::fromType<uint>()) {
            p.Kind = PropKind::Int;
        } else if (t == QMetaType::fromType<qint64>() || t == QMetaType::fromType<long>()) {
            p.Kind = PropKind::Int64;
        } else if (t == QMetaType::fromType<bool>()) {
            p.Kind = PropKind::Bool;
        } else if (t == QMetaType::fromType<double>() || t == QMetaType::fromType<float>()) {
            p.Kind = PropKind::Float;
        } else if (t == QMetaType::fromType<Currency>()) {
            p.Kind = PropKind::Currency;
        } else if (t == QMetaType::fromType<QString>()) {
            p.Kind = PropKind::String;
        } else if ((t.flags() & QMetaType::PointerToQObject) && t.metaObject()) {
            p.PointeeClass = t.metaObject();
            if (p.PointeeClass->inherits(&TComponent::staticMetaObject))
                p.Kind = PropKind::Reference;
            else if (p.PointeeClass->inherits(&TCollection::staticMetaObject))
                p.Kind = PropKind::Collection;
            else if (p.PointeeClass->inherits(&TPersistent::staticMetaObject))
                p.Kind = PropKind::SubObject;
        } else if (IsEventType(t)) {
            p.Kind = PropKind::Event;
        } else {
            // An event type not constructed yet: construct one to learn it.
            QVariant probe(t);
            if (IsEventType(t))
                p.Kind = PropKind::Event;
        }
        const int def = mo->indexOfClassInfo(QByteArray("Default:" + p.Name).constData());
        // An empty default, declared by a class over its base's, means none: the value is always written.
        if (def >= 0 && *mo->classInfo(def).value()) {
            const QString text = QString::fromUtf8(mo->classInfo(def).value());
            p.HasDefault = ParseDefault(p, text);
            if (!p.HasDefault)
                qWarning("%s: default of %s cannot be read", mo->className(), p.Name.constData());
        }
        const int st = mo->indexOfClassInfo(QByteArray("Stored:" + p.Name).constData());
        if (st >= 0) {
            const QByteArray fn = QByteArray(mo->classInfo(st).value()) + "()";
            p.StoredMethod = mo->indexOfMethod(fn.constData());
            if (p.StoredMethod < 0 || mo->method(p.StoredMethod).returnMetaType() != QMetaType::fromType<bool>()) {
                qWarning("%s: stored rule %s is not an invokable bool member", mo->className(), fn.constData());
                p.StoredMethod = -1;
            }
        }
        p.Type = t;
        if (p.Kind == PropKind::Event)
            p.EventScratch = QVariant(t);
        p.Readable = p.Prop.isReadable();
        p.Enclosing = p.Prop.enclosingMetaObject();
        p.StaticCall = p.Enclosing ? p.Enclosing->d.static_metacall : nullptr;
        p.LocalIndex = p.Enclosing ? i - p.Enclosing->propertyOffset() : -1;
        p.Store = StorageOf(p.Kind, t);
        const QByteArray key = p.Name.toLower();
        plan->ByName.insert(key, int(plan->Props.size())); // later declarations (overrides) win
        plan->Props.append(std::move(p));
    }
    // A redeclared property keeps only its latest declaration.
    QList<PropPlan> unique;
    for (int i = 0; i < plan->Props.size(); ++i)
        if (plan->ByName.value(plan->Props[i].Name.toLower()) == i)
            unique.append(plan->Props[i]);
    plan->Props = unique;
    plan->ByName.clear();
    for (int i = 0; i < plan->Props.size(); ++i) {
        plan->ByName.insert(plan->Props[i].Name.toLower(), i);
    }
    return plan;
}

using PlanCache = QHash<const QMetaObject *, std::shared_ptr<ClassPlan>>;

// Plans made ahead on a thread of their own; the first PlanOf waits for them and takes them over.
struct PlansAhead {
    std::thread Worker;
    PlanCache Plans;
};
PlansAhead *&Ahead()
{
    static PlansAhead *ahead = nullptr;
    return ahead;
}

PlanCache &Plans()
{
    // Never freed: plans are used by whatever streams at exit.
    static auto *cache = new PlanCache;
    if (PlansAhead *ahead = Ahead()) {
        ahead->Worker.join();
        // A plan once handed out stays: references to it are kept.
        for (auto it = ahead->Plans.cbegin(); it != ahead->Plans.cend(); ++it)
            if (!cache->contains(it.key()))
                cache->insert(it.key(), it.value());
        delete ahead;
        Ahead() = nullptr;
    }
    return *cache;
}

const ClassPlan &PlanOf(const QMetaObject *mo)
{
    PlanCache *cache = &Plans();
    auto it = cache->constFind(mo);
    if (it != cache->constEnd())
        return **it;
    return **cache->insert(mo, MakePlan(mo));
}

} // namespace

void PrepareClassPlans(const QList<const QMetaObject *> &Also)
{
    if (Ahead())
        return;
    auto *ahead = new PlansAhead;
    QList<const QMetaObject *> classes = Also;
    for (TComponentClass c : RegisteredClasses())
        classes.append(c);
    ahead->Worker = std::thread([ahead, classes] {
        // The classes a stream names, and the classes of the parts they own (fonts, lists, collections).
        QList<const QMetaObject *> todo(classes.begin(), classes.end());
        while (!todo.isEmpty()) {
            const QMetaObject *mo = todo.takeLast();
            if (ahead->Plans.contains(mo))
                continue;
            const std::shared_ptr<ClassPlan> plan = MakePlan(mo);
            ahead->Plans.insert(mo, plan);
            for (const PropPlan &p : plan->Props)
                if (p.PointeeClass && p.Kind != PropKind::Reference)
                    todo.append(p.PointeeClass);
        }
    });
    Ahead() = ahead;
}

void FinishClassPlans()
{
    Plans();
}

namespace
{

// Cast without qobject_cast's name comparisons: the meta-object chain is walked by pointer.
template <typename T> T *As(QObject *o)
{
    return o && o->metaObject()->inherits(&T::staticMetaObject) ? static_cast<T *>(o) : nullptr;
}

bool IsStored(const PropPlan &p, QObject *instance)
{
    if (!p.StaticStored)
        return false;
    if (p.StoredMethod >= 0) {
        bool result = true;
        void *argv[] = {&result};
        QMetaObject::metacall(instance, QMetaObject::InvokeMetaMethod, p.StoredMethod, argv);
        return result;
    }
    return true;
}

// The property read into a T of its own type, as the class's meta-call writes it; no QVariant is made.
void ReadInto(const PropPlan &p, QObject *instance, void *value)
{
    int status = -1;
    void *argv[] = {value, nullptr, &status};
    if (p.StaticCall)
        p.StaticCall(instance, QMetaObject::ReadProperty, p.LocalIndex, argv);
    else
        QMetaObject::metacall(instance, QMetaObject::ReadProperty, p.Index, argv);
}

// Writes a value of the property's own type through the declaring class's meta-call.
bool WriteValue(const PropPlan &p, QObject *instance, const QVariant &value)
{
    if (!p.StaticCall || value.metaType() != p.Type)
        return p.Prop.write(instance, value);
    int status = -1;
    int flags = 0;
    void *argv[] = {const_cast<void *>(value.constData()), const_cast<QVariant *>(&value), &status, &flags};
    p.StaticCall(instance, QMetaObject::WriteProperty, p.LocalIndex, argv);
    return true;
}

template <typename T> T ReadAs(const PropPlan &p, QObject *instance)
{
    T value{};
    ReadInto(p, instance, &value);
    return value;
}

QObject *ReadPointer(const PropPlan &p, QObject *instance)
{
    return ReadAs<QObject *>(p, instance);
}

// A plain property's value (number, truth value, enumeration, set, amount) as a 64-bit integer; an amount
// gives its raw units.
qint64 ReadOrdinal(const PropPlan &p, QObject *instance)
{
    switch (p.Store) {
    case Storage::Int8:
        return ReadAs<qint8>(p, instance);
    case Storage::Int16:
        return ReadAs<qint16>(p, instance);
    case Storage::UInt32:
        return ReadAs<quint32>(p, instance);
    case Storage::Int64:
        return ReadAs<qint64>(p, instance);
    case Storage::Bool:
        return ReadAs<bool>(p, instance) ? 1 : 0;
    case Storage::Amount:
        return ReadAs<Currency>(p, instance).Raw();
    default:
        return ReadAs<qint32>(p, instance);
    }
}

double ReadDouble(const PropPlan &p, QObject *instance)
{
    return p.Store == Storage::Single ? double(ReadAs<float>(p, instance)) : ReadAs<double>(p, instance);
}

// The handler an event property is bound to.
QString EventName(const PropPlan &p, QObject *instance, TComponent *lookupRoot)
{
    void *event = p.EventScratch.data();
    ReadInto(p, instance, event);
    // Every event type is a TEvent<...>, whose only base is TMethod.
    auto *m = reinterpret_cast<TMethod *>(event);
    const QString name =
        m->IsBound() && m->Data() == lookupRoot ? QString::fromLatin1(m->MethodName()) : QString();
    m->Clear(); // the copy keeps nothing alive
    return name;
}

bool ClassChainHas(const QMetaObject *mo, const QByteArray &className)
{
    for (; mo; mo = mo->superClass())
        if (className == mo->className())
            return true;
    return false;
}

constexpr char Signature[4] = {'T', 'P', 'F', '0'};

// Texts, numbers, truth values, enumerations and sets: values a stream holds whole, without names of
// anything else.
bool IsPlain(PropKind Kind)
{
    switch (Kind) {
    case PropKind::Int:
    case PropKind::Int64:
    case PropKind::Bool:
    case PropKind::Float:
    case PropKind::Currency:
    case PropKind::String:
    case PropKind::Enum:
    case PropKind::Set:
        return true;
    default:
        return false;
    }
}

// The next value of the stream as a value of plain property p; Bad (which raises) for one p cannot hold.
QVariant ReadPlain(TReader &r, const PropPlan &p, const std::function<void()> &Bad)
{
    switch (p.Kind) {
    case PropKind::Int: {
        const qint64 v = r.ReadInteger();
        if (v < INT32_MIN || v > INT32_MAX)
            Bad();
        return QVariant(int(v));
    }
    case PropKind::Int64:
        return QVariant(r.ReadInteger());
    case PropKind::Bool:
        return QVariant(r.ReadBoolean());
    case PropKind::Float:
        return QVariant(double(r.ReadFloat()));
    case PropKind::Currency:
        return QVariant::fromValue(r.ReadCurrency());
    case PropKind::String:
        return QVariant(r.ReadString());
    case PropKind::Enum: {
        qint64 v = 0;
        const TValueType t = r.NextValue();
        if (t == vaIdent) {
            const QByteArray key = r.ReadIdent();
            bool found = false;
            v = p.Enum.keyToValue(key.constData(), &found);
            if (!found)
                Bad();
        } else if (p.IntegerEnum && (t == vaInt8 || t == vaInt16 || t == vaInt32)) {
            v = r.ReadInteger();
            if (v < INT32_MIN || v > UINT32_MAX)
                Bad();
        } else {
            Bad();
        }
        return IntToEnum(p.Prop.metaType(), v);
    }
    case PropKind::Set: {
        r.CheckValue(vaSet);
        qint64 v = 0;
        const QList<int> bits = SetBits(p.Enum);
        for (int n = 0;; ++n) {
            if (n > 64)
                Bad();
            const QByteArray key = r.ReadStr();
            if (key.isEmpty())
                break;
            bool found = false;
            const int bit = p.Enum.keyToValue(key.constData(), &found);
            if (!found || !bits.contains(bit))
                Bad();
            v |= bit;
        }
        return IntToEnum(p.Prop.metaType(), v);
    }
    default:
        Bad();
        return {};
    }
}

// A number, truth value, enumeration or set as the writer writes it.
void WriteOrdinal(TWriter &w, const PropPlan &p, qint64 v)
{
    if (p.Kind == PropKind::Bool) {
        w.WriteBoolean(v != 0);
    } else if (p.Kind == PropKind::Enum) {
        const char *key = p.Enum.valueToKey(int(v));
        if (key)
            w.WriteIdent(QByteArray(key));
        else
            w.WriteInteger(v);
    } else if (p.Kind == PropKind::Set) {
        w.WriteValue(vaSet);
        for (int bit : SetBits(p.Enum))
            if (v & bit)
                w.WriteStr(QByteArray(p.Enum.valueToKey(bit)));
        w.WriteStr(QByteArray());
    } else {
        w.WriteInteger(v);
    }
}

// The value of plain property p of instance, as the writer writes it.
void WritePlain(TWriter &w, const PropPlan &p, QObject *instance)
{
    switch (p.Kind) {
    case PropKind::String:
        w.WriteString(ReadAs<QString>(p, instance));
        break;
    case PropKind::Float:
        w.WriteFloat(ReadDouble(p, instance));
        break;
    case PropKind::Currency:
        w.WriteCurrency(Currency::FromRaw(ReadOrdinal(p, instance)));
        break;
    default:
        WriteOrdinal(w, p, ReadOrdinal(p, instance));
        break;
    }
}

} // namespace

// ---------------------------------------------------------------------------------------------
// Hooks of the class library's base classes

void TComponent::WriteState(TWriter *Writer)
{
    Writer->WriteData(this);
}

void TComponent::DefineProperties(TFiler *Filer)
{
    auto *ancestor = As<TComponent>(Filer->Ancestor());
    const int ancestorInfo = ancestor ? ancestor->FDesignInfo : 0;
    const bool hasData = FDesignInfo != ancestorInfo;
    Filer->DefineProperty(
        QStringLiteral("Left"),
        [this](TReader *r) {
            const qint64 v = r->ReadInteger();
            FDesignInfo = int((quint32(FDesignInfo) & 0xFFFF0000u) | (quint32(v) & 0xFFFFu));
        },
        [this](TWriter *w) { w->WriteInteger(qint16(FDesignInfo & 0xFFFF)); }, hasData);
    Filer->DefineProperty(
        QStringLiteral("Top"),
        [this](TReader *r) {
            const qint64 v = r->ReadInteger();
            FDesignInfo = int((quint32(FDesignInfo) & 0xFFFFu) | (quint32(v) << 16));
        },
        [this](TWriter *w) { w->WriteInteger(qint16(quint32(FDesignInfo) >> 16)); }, hasData);
}

void TStrings::DefineProperties(TFiler *Filer)
{
    bool hasData;
    if (auto *ancestor = As<TStrings>(Filer->Ancestor()))
        hasData = !Equals(ancestor);
    else
        hasData = Count() > 0;
    Filer->DefineProperty(
        QStringLiteral("Strings"),
        [this](TReader *reader) {
            BeginUpdate();
            Clear();
            reader->ReadListBegin();
            int n = 0;
            while (!reader->EndOfList()) {
                if (++n > reader->Limits().MaxListItems)
                    reader->Error(QStringLiteral("Υπερβολικά πολλές γραμμές κειμένου"));
                Add(reader->ReadString());
            }
            reader->ReadListEnd();
            EndUpdate();
        },
        [this](TWriter *writer) {
            writer->WriteListBegin();
            for (int i = 0; i < Count(); ++i)
                writer->WriteString(Get(i));
            writer->WriteListEnd();
        },
        hasData);
}

// ---------------------------------------------------------------------------------------------
// TWriter

TWriter::TWriter(QByteArray &Buffer) : FBuffer(Buffer)
{
}

void TWriter::WriteSignature()
{
    FBuffer.append(Signature, 4);
}

void TWriter::WriteValue(TValueType Value)
{
    FBuffer.append(char(Value));
}

void TWriter::WriteInteger(qint64 Value)
{
    if (Value >= INT8_MIN && Value <= INT8_MAX) {
        WriteValue(vaInt8);
        FBuffer.append(char(qint8(Value)));
    } else if (Value >= INT16_MIN && Value <= INT16_MAX) {
        WriteValue(vaInt16);
        const qint16 v = qToLittleEndian(qint16(Value));
        FBuffer.append(reinterpret_cast<const char *>(&v), 2);
    } else if (Value >= INT32_MIN && Value <= INT32_MAX) {
        WriteValue(vaInt32);
        const qint32 v = qToLittleEndian(qint32(Value));
        FBuffer.append(reinterpret_cast<const char *>(&v), 4);
    } else {
        WriteValue(vaInt64);
        const qint64 v = qToLittleEndian(Value);
        FBuffer.append(reinterpret_cast<const char *>(&v), 8);
    }
}

void TWriter::WriteFloat(long double Value)
{
    WriteValue(vaExtended);
    char bytes[sizeof(long double)];
    std::memcpy(bytes, &Value, sizeof(long double));
    FBuffer.append(bytes, 10);
}

void TWriter::WriteSingle(float Value)
{
    WriteValue(vaSingle);
    FBuffer.append(reinterpret_cast<const char *>(&Value), 4);
}

void TWriter::WriteCurrency(Currency Value)
{
    WriteValue(vaCurrency);
    const qint64 v = qToLittleEndian(Value.Raw());
    FBuffer.append(reinterpret_cast<const char *>(&v), 8);
}

void TWriter::WriteDate(TDateTime Value)
{
    WriteValue(vaDate);
    FBuffer.append(reinterpret_cast<const char *>(&Value), 8);
}

void TWriter::WriteString(const QString &Value)
{
    if (IsCp1253(Value)) {
        const QByteArray bytes = ToCp1253(Value);
        if (bytes.size() <= 255) {
            WriteValue(vaString);
            FBuffer.append(char(quint8(bytes.size())));
        } else {
            WriteValue(vaLString);
            const qint32 n = qToLittleEndian(qint32(bytes.size()));
            FBuffer.append(reinterpret_cast<const char *>(&n), 4);
        }
        FBuffer.append(bytes);
        return;
    }
    WriteValue(vaWString);
    const qint32 n = qToLittleEndian(qint32(Value.size()));
    FBuffer.append(reinterpret_cast<const char *>(&n), 4);
    for (QChar c : Value) {
        const quint16 u = qToLittleEndian(c.unicode());
        FBuffer.append(reinterpret_cast<const char *>(&u), 2);
    }
}

void TWriter::WriteStr(const QByteArray &Value)
{
    if (Value.size() > 255)
        throw EWriteError(QStringLiteral("Το όνομα «%1» είναι πολύ μεγάλο").arg(QString::fromLatin1(Value)));
    FBuffer.append(char(quint8(Value.size())));
    FBuffer.append(Value);
}

void TWriter::WriteIdent(const QByteArray &Ident)
{
    if (Ident.compare("False", Qt::CaseInsensitive) == 0)
        WriteValue(vaFalse);
    else if (Ident.compare("True", Qt::CaseInsensitive) == 0)
        WriteValue(vaTrue);
    else if (Ident.compare("nil", Qt::CaseInsensitive) == 0)
        WriteValue(vaNil);
    else {
        WriteValue(vaIdent);
        WriteStr(Ident);
    }
}

void TWriter::WriteBinary(const QByteArray &Data)
{
    WriteValue(vaBinary);
    const qint32 n = qToLittleEndian(qint32(Data.size()));
    FBuffer.append(reinterpret_cast<const char *>(&n), 4);
    FBuffer.append(Data);
}

void TWriter::WritePrefix(quint8 Flags, int ChildPos)
{
    if (Flags) {
        FBuffer.append(char(0xF0 | Flags));
        if (Flags & ffChildPos)
            WriteInteger(ChildPos);
    }
}

void TWriter::WriteDescendent(TComponent *Root, TComponent *AAncestor)
{
    FRoot = Root;
    FLookupRoot = Root;
    FRootAncestor = AAncestor;
    FAncestor = AAncestor;
    FAncestorList.clear();
    FAncestorIndex.clear();
    WriteSignature();
    FPendingFlags = AAncestor ? ffInherited : 0;
    FPendingChildPos = -1;
    const bool wasWriting = Root->ComponentState().testFlag(csWriting);
    Root->SetState(csWriting);
    TScopeExit restore([&] {
        if (!wasWriting)
            Root->ClearState(csWriting);
    });
    Root->WriteState(this);
}

void TWriter::WriteComponent(TComponent *Component)
{
    if (!Component)
        return;
    TPersistent *oldAncestor = FAncestor;
    TComponent *ancestor = nullptr;
    const int ancestorIndex = Component->Name().isEmpty() ? -1 : FAncestorIndex.value(TNameKey{Component->Name()}, -1);
    if (ancestorIndex >= 0)
        ancestor = FAncestorList[ancestorIndex];
    quint8 flags = 0;
    if (ancestor)
        flags |= ffInherited;
    if (Component->ComponentState().testFlag(csInline))
        flags |= ffInline;
    if (ancestor && ancestorIndex != FChildPos)
        flags |= ffChildPos;
    FPendingFlags = flags;
    FPendingChildPos = FChildPos;
    ++FChildPos;
    FAncestor = ancestor;
    TScopeExit restoreAncestor([&] { FAncestor = oldAncestor; });

    const qsizetype start = FBuffer.size();
    const bool wasWriting = Component->ComponentState().testFlag(csWriting);
    Component->SetState(csWriting);
    {
        TScopeExit restore([&] {
            if (!wasWriting)
                Component->ClearState(csWriting);
        });
        FHeaderEnd = -1;
        Component->WriteState(this);
    }
    // An inherited child with no difference at all is left out.
    if ((flags & ffInherited) && !(flags & ffChildPos) && FHeaderEnd >= 0 && FBuffer.size() == FHeaderEnd + 2)
        FBuffer.truncate(start);
}

void TWriter::WriteData(TComponent *Instance)
{
    const quint8 flags = FPendingFlags;
    WritePrefix(flags, FPendingChildPos);
    FPendingFlags = 0;
    WriteStr(QByteArray(Instance->metaObject()->className()));
    WriteStr(Instance->Name().toLatin1());
    const qsizetype headerEnd = FBuffer.size();

    WriteProperties(Instance);
    WriteListEnd();

    // Children, compared with the ancestor's children of the same name.
    TComponent *oldLookupRoot = FLookupRoot;
    TComponent *oldRootAncestor = FRootAncestor;
    QList<TComponent *> oldAncestorList = std::exchange(FAncestorList, {});
    QHash<TNameKey, int> oldAncestorIndex = std::exchange(FAncestorIndex, {});
    const int oldChildPos = FChildPos;
    {
        TScopeExit restore([&] {
            FLookupRoot = oldLookupRoot;
            FRootAncestor = oldRootAncestor;
            FAncestorList = std::move(oldAncestorList);
            FAncestorIndex = std::move(oldAncestorIndex);
            FChildPos = oldChildPos;
        });
        TComponent *ancestor = As<TComponent>(FAncestor);
        if (Instance != FRoot && Instance->ComponentState().testFlag(csInline)) {
            FLookupRoot = Instance;
            FRootAncestor = ancestor;
        }
        if (ancestor)
            ancestor->GetChildren(
                [this](TComponent *c) {
                    if (!c->Name().isEmpty())
                        FAncestorIndex.insert(TNameKey{c->Name()}, int(FAncestorList.size()));
                    FAncestorList.append(c);
                },
                FRootAncestor);
        FChildPos = 0;
        Instance->GetChildren([this](TComponent *c) { WriteComponent(c); }, FLookupRoot);
    }
    WriteListEnd();
    FHeaderEnd = headerEnd;
}

namespace
{
// The name by which a stored reference finds Value again from LookupRoot; empty when it cannot.
QString ReferenceName(TComponent *Value, TComponent *LookupRoot)
{
    if (!Value)
        return QString();
    if (Value == LookupRoot)
        return Value->Name();
    TComponent *owner = Value->Owner();
    if (owner == LookupRoot)
        return Value->Name();
    if (owner && (IsGlobalRoot(owner) || !owner->Owner()) && !owner->Name().isEmpty() && !Value->Name().isEmpty())
        return owner->Name() + u'.' + Value->Name();
    if (owner && owner->Owner() == LookupRoot && owner->ComponentState().testFlag(csInline))
        return owner->Name() + u'.' + Value->Name();
    return QString();
}

// A property's value as the writer compares it.
struct TCompared {
    qint64 Ordinal = 0; // numbers, truth values, enumerations, sets, raw amounts
    double Float = 0;
    QString Text;              // strings, handler names, names of referenced components
    QObject *Object = nullptr; // sub-objects, collections, referenced components
};

TCompared ReadCompared(const PropPlan &p, QObject *instance, TComponent *lookupRoot)
{
    TCompared v;
    switch (p.Kind) {
    case PropKind::Reference:
        v.Object = ReadPointer(p, instance);
        v.Text = ReferenceName(static_cast<TComponent *>(v.Object), lookupRoot);
        break;
    case PropKind::SubObject:
    case PropKind::Collection:
        v.Object = ReadPointer(p, instance);
        break;
    case PropKind::Event:
        v.Text = EventName(p, instance, lookupRoot);
        break;
    case PropKind::String:
        v.Text = ReadAs<QString>(p, instance);
        break;
    case PropKind::Float:
        v.Float = ReadDouble(p, instance);
        break;
    case PropKind::Int:
    case PropKind::Int64:
    case PropKind::Bool:
    case PropKind::Enum:
    case PropKind::Set:
    case PropKind::Currency:
        v.Ordinal = ReadOrdinal(p, instance);
        break;
    case PropKind::Other:
        break;
    }
    return v;
}
} // namespace

// The values of the objects written against, each read once: one untouched page serves as the ancestor of
// every page of a document.
struct TWriter::TAncestorValues {
    struct Entry {
        QPointer<QObject> Alive; // a freed ancestor's place may be taken by another object
        std::vector<std::optional<TCompared>> Values;
    };
    std::unordered_map<const QObject *, Entry> Objects;

    std::vector<std::optional<TCompared>> &Of(QObject *Ancestor)
    {
        Entry &e = Objects[Ancestor];
        if (!e.Alive) {
            e.Alive = Ancestor;
            e.Values.assign(size_t(Ancestor->metaObject()->propertyCount()), std::nullopt);
        }
        return e.Values;
    }
};

TWriter::~TWriter() = default;

void TWriter::WriteProperties(TPersistent *Instance)
{
    if (!FAncestorValues)
        FAncestorValues = std::make_unique<TAncestorValues>();
    const ClassPlan &plan = PlanOf(Instance->metaObject());
    TPersistent *const commonAncestor = FAncestor;
    const QMetaObject *const ancestorClass = commonAncestor ? commonAncestor->metaObject() : nullptr;
    std::vector<std::optional<TCompared>> *ancestorValues =
        commonAncestor ? &FAncestorValues->Of(commonAncestor) : nullptr;
    for (const PropPlan &p : plan.Props) {
        if (p.Kind == PropKind::Other || !p.Readable)
            continue;
        // An ancestor of another class is compared only on the properties it has.
        TPersistent *const ancestor =
            ancestorClass && (ancestorClass == Instance->metaObject() || ancestorClass->inherits(p.Enclosing))
                ? commonAncestor
                : nullptr;
        if (!IsStored(p, Instance))
            continue;
        auto theirs = [&]() -> const TCompared & {
            std::optional<TCompared> &slot = (*ancestorValues)[size_t(p.Index)];
            if (!slot)
                slot = ReadCompared(p, ancestor, FRootAncestor);
            return *slot;
        };
        auto name = [&] { return FPropPath + p.Name; };
        switch (p.Kind) {
        case PropKind::SubObject: {
            auto *sub = static_cast<TPersistent *>(ReadPointer(p, Instance));
            if (!sub)
                break;
            TPersistent *subAncestor = ancestor ? static_cast<TPersistent *>(theirs().Object) : nullptr;
            const QByteArray oldPath = FPropPath;
            TPersistent *oldAncestor = FAncestor;
            FPropPath = name() + '.';
            FAncestor = subAncestor;
            WriteProperties(sub);
            FPropPath = oldPath;
            FAncestor = oldAncestor;
            break;
        }
        case PropKind::Collection: {
            auto *coll = static_cast<TCollection *>(ReadPointer(p, Instance));
            if (!coll)
                break;
            if (ancestor) {
                auto *ac = static_cast<TCollection *>(theirs().Object);
                if (ac) {
                    QByteArray mine, others;
                    {
                        TWriter w(mine);
                        w.FLookupRoot = FLookupRoot;
                        w.WriteCollection(coll);
                    }
                    {
                        TWriter w(others);
                        w.FLookupRoot = FRootAncestor;
                        w.WriteCollection(ac);
                    }
                    if (mine == others)
                        break;
                }
            } else if (coll->Count() == 0) {
                break;
            }
            WriteStr(name());
            WriteCollection(coll);
            break;
        }
        case PropKind::Reference: {
            const TCompared v = ReadCompared(p, Instance, FLookupRoot);
            if (v.Object && v.Text.isEmpty())
                break; // not reachable by name: nothing to store
            if (ancestor) {
                if (theirs().Text.compare(v.Text, Qt::CaseInsensitive) == 0)
                    break;
            } else if (!v.Object) {
                break;
            }
            WriteStr(name());
            if (v.Object)
                WriteIdent(v.Text.toLatin1());
            else
                WriteValue(vaNil);
            break;
        }
        case PropKind::Event: {
            const QString handler = EventName(p, Instance, FLookupRoot);
            if (ancestor) {
                if (theirs().Text == handler)
                    break;
            } else if (handler.isEmpty()) {
                break;
            }
            WriteStr(name());
            if (handler.isEmpty())
                WriteValue(vaNil);
            else
                WriteIdent(handler.toLatin1());
            break;
        }
        case PropKind::String: {
            const QString v = ReadAs<QString>(p, Instance);
            if (ancestor ? v == theirs().Text : v == p.DefaultString)
                break;
            WriteStr(name());
            WriteString(v);
            break;
        }
        case PropKind::Float: {
            const double v = ReadDouble(p, Instance);
            if (ancestor ? v == theirs().Float : v == double(p.DefaultFloat))
                break;
            WriteStr(name());
            WriteFloat(v);
            break;
        }
        case PropKind::Currency: {
            const qint64 v = ReadOrdinal(p, Instance);
            if (ancestor ? v == theirs().Ordinal : v == p.DefaultInt)
                break;
            WriteStr(name());
            WriteCurrency(Currency::FromRaw(v));
            break;
        }
        case PropKind::Int:
        case PropKind::Int64:
        case PropKind::Bool:
        case PropKind::Enum:
        case PropKind::Set: {
            const qint64 v = ReadOrdinal(p, Instance);
            if (ancestor) {
                if (v == theirs().Ordinal)
                    break;
            } else if (p.HasDefault && v == p.DefaultInt) {
                break;
            }
            WriteStr(name());
            WriteOrdinal(*this, p, v);
            break;
        }
        case PropKind::Other:
            break;
        }
    }
    // Data the class streams itself.
    const QByteArray oldPath = FPropPath;
    TPersistent *oldAncestor = FAncestor;
    FAncestor =
        commonAncestor && commonAncestor->metaObject()->inherits(Instance->metaObject()) ? commonAncestor : nullptr;
    Instance->DefineProperties(this);
    FAncestor = oldAncestor;
    FPropPath = oldPath;
}

void TWriter::WriteStored(const QByteArray &Stored)
{
    FBuffer.append(Stored);
    FPendingFlags = 0;
    FHeaderEnd = -1;
}

void TWriter::DefineProperty(const QString &Name, TReaderProc, TWriterProc WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    WriteStr(FPropPath + Name.toLatin1());
    WriteData(this);
}

void TWriter::DefineBinaryProperty(const QString &Name, std::function<void(const QByteArray &)>,
                                   std::function<QByteArray()> WriteData, bool HasData)
{
    if (!HasData || !WriteData)
        return;
    WriteStr(FPropPath + Name.toLatin1());
    WriteBinary(WriteData());
}

void TWriter::WriteCollection(TCollection *Value)
{
    WriteValue(vaCollection);
    const QByteArray oldPath = FPropPath;
    TPersistent *oldAncestor = FAncestor;
    FPropPath.clear();
    FAncestor = nullptr;
    for (int i = 0; i < Value->Count(); ++i) {
        WriteListBegin();
        WriteProperties(Value->Items(i));
        WriteListEnd();
    }
    FPropPath = oldPath;
    FAncestor = oldAncestor;
    WriteListEnd();
}

// ---------------------------------------------------------------------------------------------
// TReader

// What a form design's first reading learned, replayed by every later instance of the class: each property
// already found by name (in the class of the object it was read into), its value already decoded; each
// component header already read. Keyed by the place in the design, so nothing is re-parsed by name.
struct TReader::TDesignMemo {
    struct Header {
        quint8 Flags = 0;
        int ChildPos = -1;
        QByteArray ClassName;
        QString Name;
        qsizetype End = 0;
    };
    enum class Action { Write, Bind, Clear, Fixup };
    struct Property {
        // The sub-objects on the way (a "Font.Height"): the property of each and the class it must be.
        QList<QPair<const PropPlan *, const QMetaObject *>> Way;
        const PropPlan *Target = nullptr;
        Action Do = Action::Write;
        QVariant Value;    // Write
        QByteArray Name;   // Bind: the handler; Fixup: the component
        QByteArray Path;   // Fixup
        qsizetype End = 0; // where the value ends
    };
    QHash<qsizetype, Header> Headers;
    QHash<QPair<qsizetype, const QMetaObject *>, Property> Properties;
};

TReader::TReader(const QByteArray &Data, TReaderLimits Limits)
    : FData(Data), FLimits(Limits), FCreatedAtStart(TComponent::CreatedCount())
{
}

TReader::~TReader() = default;

void TReader::Error(const QString &Message) const
{
    if (!FCurrentProperty.isEmpty())
        throw EReadError(QStringLiteral("Σφάλμα ανάγνωσης δεδομένων (θέση %1, ιδιότητα %2): %3")
                             .arg(FPos)
                             .arg(QString::fromLatin1(FCurrentProperty), Message));
    throw EReadError(QStringLiteral("Σφάλμα ανάγνωσης δεδομένων (θέση %1): %2").arg(FPos).arg(Message));
}

void TReader::ReadBytes(void *Dest, qsizetype Count)
{
    if (Count < 0 || Count > FData.size() - FPos)
        Error(QStringLiteral("απρόσμενο τέλος δεδομένων"));
    std::memcpy(Dest, FData.constData() + FPos, size_t(Count));
    FPos += Count;
}

void TReader::Enter()
{
    if (++FDepth > FLimits.MaxDepth)
        Error(QStringLiteral("υπερβολικό βάθος φωλιάσματος"));
}

void TReader::ReadSignature()
{
    char sig[4];
    if (FData.size() - FPos < 4 || std::memcmp(FData.constData() + FPos, Signature, 4) != 0)
        Error(QStringLiteral("τα δεδομένα δεν είναι ροή στοιχείων (λείπει η υπογραφή TPF0)"));
    ReadBytes(sig, 4);
}

TValueType TReader::ReadValue()
{
    quint8 b;
    ReadBytes(&b, 1);
    if (b > vaUTF8String)
        Error(QStringLiteral("άγνωστος τύπος τιμής %1").arg(b));
    return TValueType(b);
}

TValueType TReader::NextValue()
{
    const qsizetype pos = FPos;
    const TValueType v = ReadValue();
    FPos = pos;
    return v;
}

bool TReader::EndOfList()
{
    // Raw look at the next byte: before a component it may be a prefix rather than a value type.
    if (FPos >= FData.size())
        Error(QStringLiteral("απρόσμενο τέλος δεδομένων"));
    return FData[FPos] == 0;
}

void TReader::CheckValue(TValueType Value)
{
    if (ReadValue() != Value)
        Error(QStringLiteral("μη αναμενόμενη τιμή"));
}

qint64 TReader::ReadInteger()
{
    switch (ReadValue()) {
    case vaInt8: {
        qint8 v;
        ReadBytes(&v, 1);
        return v;
    }
    case vaInt16: {
        qint16 v;
        ReadBytes(&v, 2);
        return qFromLittleEndian(v);
    }
    case vaInt32: {
        qint32 v;
        ReadBytes(&v, 4);
        return qFromLittleEndian(v);
    }
    case vaInt64: {
        qint64 v;
        ReadBytes(&v, 8);
        return qFromLittleEndian(v);
    }
    default:
        Error(QStringLiteral("αναμενόταν ακέραιος αριθμός"));
    }
}

bool TReader::ReadBoolean()
{
    const TValueType v = ReadValue();
    if (v != vaTrue && v != vaFalse)
        Error(QStringLiteral("αναμενόταν λογική τιμή"));
    return v == vaTrue;
}

long double TReader::ReadFloat()
{
    long double result = 0;
    const qsizetype pos = FPos;
    switch (ReadValue()) {
    case vaExtended: {
        unsigned char bytes[sizeof(long double)] = {};
        ReadBytes(bytes, 10);
        // The explicit integer bit must agree with the exponent; other encodings are not numbers.
        // Denormals (far below any double) are refused as well.
        const bool zeroExponent = (bytes[8] | (bytes[9] & 0x7F)) == 0;
        bool zeroMantissa = true;
        for (int i = 0; i < 8; ++i)
            zeroMantissa = zeroMantissa && bytes[i] == 0;
        if (zeroExponent ? !zeroMantissa : !(bytes[7] & 0x80))
            Error(QStringLiteral("μη έγκυρος αριθμός"));
        std::memcpy(&result, bytes, sizeof(long double));
        break;
    }
    case vaSingle: {
        float f;
        ReadBytes(&f, 4);
        result = f;
        break;
    }
    case vaDate: {
        double d;
        ReadBytes(&d, 8);
        result = d;
        break;
    }
    case vaCurrency: {
        qint64 raw;
        ReadBytes(&raw, 8);
        result = static_cast<long double>(qFromLittleEndian(raw)) / Currency::Scale;
        break;
    }
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64:
        FPos = pos;
        result = static_cast<long double>(ReadInteger());
        break;
    default:
        Error(QStringLiteral("αναμενόταν αριθμός"));
    }
    // Values are kept as doubles: beyond that range they are no numbers either.
    if (!std::isfinite(result) || !std::isfinite(double(result)))
        Error(QStringLiteral("μη έγκυρος αριθμός"));
    return result;
}

Currency TReader::ReadCurrency()
{
    const qsizetype pos = FPos;
    if (ReadValue() == vaCurrency) {
        qint64 raw;
        ReadBytes(&raw, 8);
        return Currency::FromRaw(qFromLittleEndian(raw));
    }
    FPos = pos;
    const long double v = ReadFloat();
    if (std::fabs(v) > 9.2e14L)
        Error(QStringLiteral("ποσό εκτός ορίων"));
    return Currency::FromDouble(v);
}

qint32 TReader::ReadLength(qsizetype UnitSize)
{
    qint32 n;
    ReadBytes(&n, 4);
    n = qFromLittleEndian(n);
    if (n < 0 || qsizetype(n) * UnitSize > FLimits.MaxStringBytes)
        Error(QStringLiteral("μη έγκυρο μήκος κειμένου (%1)").arg(n));
    if (qsizetype(n) * UnitSize > FData.size() - FPos)
        Error(QStringLiteral("απρόσμενο τέλος δεδομένων"));
    return n;
}

QString TReader::ReadString()
{
    switch (ReadValue()) {
    case vaString: {
        quint8 n;
        ReadBytes(&n, 1);
        if (n > FData.size() - FPos)
            Error(QStringLiteral("απρόσμενο τέλος δεδομένων"));
        const QString s = FromCp1253(FData.constData() + FPos, n);
        FPos += n;
        return s;
    }
    case vaLString: {
        const qint32 n = ReadLength(1);
        const QString s = FromCp1253(FData.constData() + FPos, n);
        FPos += n;
        return s;
    }
    case vaUTF8String: {
        const qint32 n = ReadLength(1);
        const QString s = QString::fromUtf8(FData.constData() + FPos, n);
        FPos += n;
        return s;
    }
    case vaWString: {
        const qint32 n = ReadLength(2);
        QString s(n, Qt::Uninitialized);
        for (qint32 i = 0; i < n; ++i) {
            quint16 u;
            std::memcpy(&u, FData.constData() + FPos + 2 * i, 2);
            s[i] = QChar(qFromLittleEndian(u));
        }
        FPos += 2 * qsizetype(n);
        return s;
    }
    default:
        Error(QStringLiteral("αναμενόταν κείμενο"));
    }
}

QByteArray TReader::ReadStr()
{
    quint8 n;
    ReadBytes(&n, 1);
    QByteArray s(n, Qt::Uninitialized);
    ReadBytes(s.data(), n);
    return s;
}

QByteArray TReader::ReadIdent()
{
    switch (ReadValue()) {
    case vaIdent:
        return ReadStr();
    case vaFalse:
        return QByteArrayLiteral("False");
    case vaTrue:
        return QByteArrayLiteral("True");
    case vaNil:
        return QByteArrayLiteral("nil");
    case vaNull:
        return QByteArray();
    default:
        Error(QStringLiteral("αναμενόταν όνομα"));
    }
}

void TReader::SkipValue()
{
    Enter();
    const qsizetype start = FPos;
    switch (ReadValue()) {
    case vaList: {
        int n = 0;
        while (!EndOfList()) {
            if (++n > FLimits.MaxListItems)
                Error(QStringLiteral("υπερβολικά μεγάλη λίστα"));
            SkipValue();
        }
        ReadListEnd();
        break;
    }
    case vaInt8:
    case vaInt16:
    case vaInt32:
    case vaInt64:
        Seek(start);
        ReadInteger();
        break;
    case vaExtended:
    case vaSingle:
    case vaDate:
        Seek(start);
        ReadFloat();
        break;
    case vaCurrency:
        Seek(start);
        ReadCurrency();
        break;
    case vaString:
    case vaLString:
    case vaWString:
    case vaUTF8String:
        Seek(start);
        ReadString();
        break;
    case vaIdent:
    case vaFalse:
    case vaTrue:
    case vaNil:
        Seek(start);
        ReadIdent();
        break;
    case vaBinary: {
        const qint32 n = ReadLength(1);
        FPos += n;
        break;
    }
    case vaSet:
        for (int n = 0; !ReadStr().isEmpty(); ++n)
            if (n > FLimits.MaxListItems)
                Error(QStringLiteral("υπερβολικά μεγάλο σύνολο"));
        break;
    case vaCollection: {
        int n = 0;
        while (!EndOfList()) {
            if (++n > FLimits.MaxListItems)
                Error(QStringLiteral("υπερβολικά πολλά στοιχεία συλλογής"));
            const TValueType t = NextValue();
            if (t == vaInt8 || t == vaInt16 || t == vaInt32)
                ReadInteger();
            ReadListBegin();
            while (!EndOfList()) {
                ReadStr();
                SkipValue();
            }
            ReadListEnd();
        }
        ReadListEnd();
        break;
    }
    case vaNull:
        Error(QStringLiteral("μη αναμενόμενο τέλος λίστας"));
    }
    Leave();
}

void TReader::ReadPrefix(quint8 &Flags, int &ChildPos)
{
    Flags = 0;
    ChildPos = -1;
    quint8 b;
    if (FPos < FData.size() && (quint8(FData[FPos]) & 0xF0) == 0xF0) {
        ReadBytes(&b, 1);
        Flags = b & 0x0F;
        if (Flags & ~(ffInherited | ffChildPos | ffInline))
            Error(QStringLiteral("μη έγκυρη σήμανση στοιχείου"));
        if (Flags & ffChildPos) {
            const qint64 pos = ReadInteger();
            if (pos < 0 || pos > FLimits.MaxComponents)
                Error(QStringLiteral("μη έγκυρη θέση στοιχείου"));
            ChildPos = int(pos);
        }
    }
}

void TReader::ReadRootComponent(TComponent *Root)
{
    Root->MakeWhole();
    FRoot = Root;
    FLookupRoot = Root;
    FOwner = Root;
    // What was read is taken back from the loading state when the read fails, here or in Loaded.
    TScopeExit clearLoading([this] { ClearLoadingState(); });
    try {
        ReadSignature();
        quint8 flags;
        int childPos;
        ReadPrefix(flags, childPos);
        const QByteArray className = ReadStr();
        const QByteArray name = ReadStr();
        if (!ClassChainHas(Root->metaObject(), className))
            Error(
                QStringLiteral("η ροή περιέχει %1 και όχι %2").arg(QString::fromLatin1(className), Root->ClassName()));
        const QString rootName = QString::fromLatin1(name);
        if (!rootName.isEmpty() && !IsValidIdent(rootName))
            Error(QStringLiteral("μη έγκυρο όνομα στοιχείου «%1»").arg(rootName));
        Root->SetState(csLoading | csReading);
        FLoaded.append(Root);
        FLoadedSet.insert(Root);
        if (!rootName.isEmpty() && Root->Name().compare(rootName, Qt::CaseSensitive) != 0) {
            // A design read into an owned instance (a frame placed on a form) takes a free name.
            QString unique = rootName;
            if (TComponent *owner = Root->Owner())
                for (int i = 1; owner->FindComponent(unique) && owner->FindComponent(unique) != Root; ++i)
                    unique = rootName + u'_' + QString::number(i);
            Root->SetName(unique);
        }
        ++FDepth;
        ReadProperties(Root);
        TComponent *childOwner = Root->GetChildOwner();
        FOwner = childOwner ? childOwner : Root;
        ReadChildList(Root->GetChildParent());
        --FDepth;
        if (FPos != FData.size() && FDepth == 0) {
            // Trailing bytes after the root are tolerated only when they are padding.
            for (qsizetype i = FPos; i < FData.size(); ++i)
                if (FData[i] != 0)
                    Error(QStringLiteral("περιττά δεδομένα μετά το τέλος"));
        }
        ResolveFixups();
    } catch (const EReadError &) {
        throw;
    } catch (const Exception &e) {
        throw EReadError(QStringLiteral("Σφάλμα ανάγνωσης δεδομένων (θέση %1): %2").arg(FPos).arg(e.Message()));
    }
    for (const QPointer<TComponent> &c : std::as_const(FLoaded))
        if (c)
            c->ClearState(csReading);
    // Every component takes its loaded values before any redoes work for the others (a box sizing itself
    // would realign its parent's boxes again and again); parents, read first, release first.
    for (const QPointer<TComponent> &c : std::as_const(FLoaded))
        if (c)
            c->HoldUpdates();
    const auto release = [this] {
        for (const QPointer<TComponent> &c : std::as_const(FLoaded))
            if (c)
                c->ReleaseUpdates();
    };
    {
        // Released after a failure too; after success outside the guard, so that an error there is told.
        TScopeExit releaseOnFailure(release);
        for (const QPointer<TComponent> &c : std::as_const(FLoaded))
            if (c)
                c->Loaded();
        releaseOnFailure.Dismiss();
    }
    clearLoading.Dismiss();
    release();
}

void TReader::ClearLoadingState()
{
    for (const QPointer<TComponent> &c : std::as_const(FLoaded))
        if (c)
            c->ClearState(csLoading | csReading);
}

void TReader::ReadChildList(TComponent *Parent)
{
    // A parent's controls are written before the other components it holds: read in another order, a
    // component would meet the others in a different order than when its save is read back.
    bool afterParts = false;
    while (!EndOfList()) {
        const bool control = ReadComponentChild(Parent);
        if (control && afterParts)
            Error(QStringLiteral("στοιχεία σε λάθος σειρά"));
        afterParts = afterParts || !control;
    }
    ReadListEnd();
}

bool TReader::ReadComponentChild(TComponent *Parent)
{
    Enter();
    quint8 flags;
    int childPos;
    QByteArray className;
    QString name;
    const qsizetype headerStart = FPos;
    if (auto known = FMemo ? FMemo->Headers.constFind(FPos) : QHash<qsizetype, TDesignMemo::Header>::const_iterator();
        FMemo && known != FMemo->Headers.constEnd()) {
        flags = known->Flags;
        childPos = known->ChildPos;
        className = known->ClassName;
        name = known->Name;
        FPos = known->End;
    } else {
        const qsizetype start = FPos;
        ReadPrefix(flags, childPos);
        className = ReadStr();
        name = QString::fromLatin1(ReadStr());
        if (!name.isEmpty() && !IsValidIdent(name))
            Error(QStringLiteral("μη έγκυρο όνομα στοιχείου «%1»").arg(name));
        if (FMemo)
            FMemo->Headers.insert(start, {flags, childPos, className, name, FPos});
    }
    if (++FComponentCount > FLimits.MaxComponents)
        Error(QStringLiteral("υπερβολικά πολλά στοιχεία"));

    TComponent *instance = name.isEmpty() ? nullptr : FOwner->FindComponent(name);
    if (!instance && OnStored && !FMemo) {
        // The caller may keep the component as it is stored rather than make it now. A body that cannot
        // even be passed over is read the ordinary way, which says what is wrong with it.
        const qsizetype headerEnd = FPos;
        bool whole = true;
        try {
            SkipComponentBody();
        } catch (const EReadError &) {
            whole = false;
        }
        if (whole && OnStored(Parent, className, name, FData.mid(headerStart, FPos - headerStart))) {
            Leave();
            return true;
        }
        FPos = headerEnd;
    }
    // What the writer writes as inherited is there already, and no component is written twice.
    if ((flags & ffInherited) && !instance)
        Error(QStringLiteral("το στοιχείο %1 λείπει από το σχέδιο").arg(name));
    if (instance && FLoadedSet.contains(instance))
        Error(QStringLiteral("το στοιχείο %1 υπάρχει δύο φορές").arg(name));
    if (instance) {
        instance->MakeWhole();
        if (!ClassChainHas(instance->metaObject(), className))
            Error(QStringLiteral("το στοιχείο %1 δεν είναι %2").arg(name, QString::fromLatin1(className)));
        // A part of the design stays in the box the design put it in: moved elsewhere it would be written
        // back as a new box's child and come back in yet another place.
        if (TComponent *designParent = instance->GetParentComponent(); designParent && designParent != Parent)
            Error(QStringLiteral("το στοιχείο %1 δεν βρίσκεται στη θέση του").arg(name));
    } else {
        TComponentClass cls = GetClass(QString::fromLatin1(className));
        if (!cls)
            Error(QStringLiteral("η κλάση %1 δεν είναι γνωστή").arg(QString::fromLatin1(className)));
        instance = CreateComponent(cls, FOwner);
        // A class may build a whole tree when created (a frame reads its own design).
        if (TComponent::CreatedCount() - FCreatedAtStart > quint64(FLimits.MaxComponents)) {
            delete instance;
            Error(QStringLiteral("υπερβολικά πολλά στοιχεία"));
        }
        TScopeExit drop([&] { delete instance; });
        instance->SetName(name);
        drop.Dismiss();
    }
    if (instance == FRoot || instance == Parent)
        Error(QStringLiteral("το στοιχείο %1 περιέχει τον εαυτό του").arg(name));
    if (!FLoadedSet.contains(instance)) {
        FLoadedSet.insert(instance);
        FLoaded.append(instance);
    }
    instance->SetState(csLoading | csReading);
    if (flags & ffInline) {
        // Only frames (which own their parts, or mark themselves inline when created) are streamed inline.
        if (instance->GetChildOwner() != instance && !instance->ComponentState().testFlag(csInline))
            Error(QStringLiteral("το στοιχείο %1 δεν είναι πλαίσιο").arg(name));
        instance->SetInline(true);
    }
    // A component may not become its own ancestor in the visual tree.
    for (TComponent *p = Parent; p; p = p->GetParentComponent())
        if (p == instance)
            Error(QStringLiteral("κυκλική σχέση στοιχείων στο %1").arg(name));
    instance->SetParentComponent(Parent);
    if (flags & ffChildPos)
        Parent->SetChildOrder(instance, childPos);

    TComponent *oldLookupRoot = FLookupRoot;
    TComponent *oldOwner = FOwner;
    ReadProperties(instance);
    if (instance->ComponentState().testFlag(csInline))
        FLookupRoot = instance;
    TComponent *childOwner = instance->GetChildOwner();
    FOwner = childOwner ? childOwner : FLookupRoot;
    ReadChildList(instance->GetChildParent());
    FLookupRoot = oldLookupRoot;
    FOwner = oldOwner;
    Leave();
    return instance->HasParent();
}

void TReader::SkipComponentBody()
{
    Enter();
    while (!EndOfList()) {
        ReadStr();
        SkipValue();
    }
    ReadListEnd();
    while (!EndOfList()) {
        Enter();
        quint8 flags;
        int childPos;
        ReadPrefix(flags, childPos);
        ReadStr();
        ReadStr();
        SkipComponentBody();
        Leave();
    }
    ReadListEnd();
    Leave();
}

void TReader::ReadProperties(TPersistent *Instance)
{
    int n = 0;
    while (!EndOfList()) {
        if (++n > FLimits.MaxListItems)
            Error(QStringLiteral("υπερβολικά πολλές ιδιότητες"));
        ReadProperty(Instance);
    }
    ReadListEnd();
}

bool TReader::ReplayProperty(TPersistent *Instance)
{
    auto it = FMemo->Properties.constFind({FPos, Instance->metaObject()});
    if (it == FMemo->Properties.constEnd())
        return false;
    const TDesignMemo::Property &r = *it;
    QObject *obj = Instance;
    for (const auto &[prop, cls] : r.Way) {
        obj = ReadPointer(*prop, obj);
        if (!obj || obj->metaObject() != cls)
            return false;
    }
    const PropPlan &p = *r.Target;
    switch (r.Do) {
    case TDesignMemo::Action::Write:
        if (!WriteValue(p, obj, r.Value))
            return false;
        break;
    case TDesignMemo::Action::Bind:
    case TDesignMemo::Action::Clear: {
        QVariant v = p.Prop.read(obj);
        TMethod *m = EventFromVariant(v);
        if (!m)
            return false;
        if (r.Do == TDesignMemo::Action::Clear)
            m->Clear();
        else if (!m->Bind(FLookupRoot, r.Name))
            return false;
        if (!p.Prop.write(obj, v))
            return false;
        break;
    }
    case TDesignMemo::Action::Fixup:
        if (FFixups.size() > FLimits.MaxComponents * 4)
            return false;
        FFixups.append(Fixup{obj, &p, QString::fromLatin1(r.Name), FLookupRoot, r.Path});
        break;
    }
    FPos = r.End;
    return true;
}

void TReader::ReadProperty(TPersistent *Instance)
{
    if (FMemo && ReplayProperty(Instance))
        return;
    const qsizetype start = FPos;
    TDesignMemo::Property memo;
    const QByteArray path = ReadStr();
    if (path.isEmpty())
        Error(QStringLiteral("κενό όνομα ιδιότητας"));
    // Named in every error until the value is read (nested values name their own).
    struct CurrentProperty {
        QByteArray &Slot;
        QByteArray Kept;
        CurrentProperty(QByteArray &slot, const QByteArray &path) : Slot(slot), Kept(slot) { Slot = path; }
        ~CurrentProperty() { Slot = Kept; }
    } current(FCurrentProperty, path);
    TPersistent *obj = Instance;
    QByteArray last = path;
    if (path.contains('.')) {
        const QList<QByteArray> parts = path.split('.');
        if (parts.size() > 8)
            Error(QStringLiteral("μη έγκυρο όνομα ιδιότητας %1").arg(QString::fromLatin1(path)));
        for (int i = 0; i + 1 < parts.size(); ++i) {
            const ClassPlan &plan = PlanOf(obj->metaObject());
            const int idx = plan.Find(parts[i]);
            if (idx < 0 || plan.Props[idx].Kind != PropKind::SubObject)
                Error(QStringLiteral("η ιδιότητα %1 δεν υπάρχει").arg(QString::fromLatin1(path)));
            obj = static_cast<TPersistent *>(ReadPointer(plan.Props[idx], obj));
            if (!obj)
                Error(QStringLiteral("η ιδιότητα %1 δεν υπάρχει").arg(QString::fromLatin1(path)));
            memo.Way.append({&plan.Props[idx], obj->metaObject()});
        }
        last = parts.last();
    }
    const ClassPlan &plan = PlanOf(obj->metaObject());
    const int idx = plan.Find(last, &plan == FLastPlan ? FLastIndex : -1);
    FLastPlan = &plan;
    FLastIndex = idx;
    const auto pathText = [&] { return QString::fromLatin1(path); };
    auto bad = [&]() { Error(QStringLiteral("μη έγκυρη τιμή για την ιδιότητα %1").arg(pathText())); };
    if (idx < 0) {
        FPropName = QString::fromLatin1(last);
        FPropHandled = false;
        obj->DefineProperties(this);
        if (!FPropHandled)
            Error(QStringLiteral("η ιδιότητα %1 δεν υπάρχει").arg(pathText()));
        return;
    }
    const PropPlan &p = plan.Props[idx];
    memo.Target = &p;
    if (!p.Prop.isWritable() && p.Kind != PropKind::Collection && p.Kind != PropKind::SubObject)
        Error(QStringLiteral("η ιδιότητα %1 δεν μπορεί να οριστεί").arg(pathText()));
    // A plain value is written at the end (and remembered for a design's next reading).
    QVariant value;
    bool remember = FMemo != nullptr;
    switch (p.Kind) {
    case PropKind::Int:
    case PropKind::Int64:
    case PropKind::Bool:
    case PropKind::Float:
    case PropKind::Currency:
    case PropKind::String:
    case PropKind::Enum:
    case PropKind::Set:
        value = ReadPlain(*this, p, bad);
        break;
    case PropKind::Event: {
        QVariant v = p.Prop.read(obj);
        TMethod *m = EventFromVariant(v);
        if (!m)
            bad();
        const TValueType t = NextValue();
        if (t == vaNil) {
            ReadValue();
            m->Clear();
            memo.Do = TDesignMemo::Action::Clear;
        } else if (t == vaIdent) {
            const QByteArray handler = ReadIdent();
            if (!m->Bind(FLookupRoot, handler))
                Error(QStringLiteral("η μέθοδος %1 δεν υπάρχει στο %2 με παραμέτρους %3")
                          .arg(QString::fromLatin1(handler), FLookupRoot->ClassName(),
                               QString::fromLatin1(m->Signature().Text())));
            memo.Do = TDesignMemo::Action::Bind;
            memo.Name = handler;
        } else {
            bad();
        }
        if (!p.Prop.write(obj, v))
            bad();
        break;
    }
    case PropKind::Reference: {
        const TValueType t = NextValue();
        if (t == vaNil) {
            ReadValue();
            QObject *none = nullptr;
            value = QVariant(p.Prop.metaType(), &none);
        } else if (t == vaIdent) {
            const QByteArray ref = ReadIdent();
            if (FFixups.size() > FLimits.MaxComponents * 4)
                Error(QStringLiteral("υπερβολικά πολλές αναφορές"));
            FFixups.append(Fixup{obj, &p, QString::fromLatin1(ref), FLookupRoot, path});
            memo.Do = TDesignMemo::Action::Fixup;
            memo.Name = ref;
            memo.Path = path;
        } else {
            bad();
        }
        break;
    }
    case PropKind::Collection: {
        auto *coll = static_cast<TCollection *>(ReadPointer(p, obj));
        if (!coll)
            bad();
        ReadCollection(coll);
        remember = false;
        break;
    }
    case PropKind::SubObject:
    case PropKind::Other:
        bad();
    }
    if (value.isValid()) {
        if (!p.Prop.write(obj, value))
            bad();
        // Kept in the property's own type, to be written straight without conversion.
        memo.Value = value;
        if (!memo.Value.convert(p.Type))
            remember = false;
    }
    if (remember) {
        memo.End = FPos;
        FMemo->Properties.insert({start, Instance->metaObject()}, memo);
    }
}

void TReader::ReadCollection(TCollection *Collection)
{
    CheckValue(vaCollection);
    Enter();
    Collection->BeginUpdate();
    {
        TScopeExit endUpdate([Collection] { Collection->EndUpdate(); });
        Collection->Clear();
        int n = 0;
        while (!EndOfList()) {
            if (++n > FLimits.MaxListItems)
                Error(QStringLiteral("υπερβολικά πολλά στοιχεία συλλογής"));
            const TValueType t = NextValue();
            if (t == vaInt8 || t == vaInt16 || t == vaInt32)
                ReadInteger(); // position in the ancestor's collection: items are read whole
            ReadListBegin();
            TCollectionItem *item = Collection->Add();
            ReadProperties(item);
        }
        ReadListEnd();
    }
    Leave();
}

void TReader::DefineProperty(const QString &Name, TReaderProc ReadData, TWriterProc, bool)
{
    if (FPropHandled || !ReadData || Name.compare(FPropName, Qt::CaseInsensitive) != 0)
        return;
    FPropHandled = true;
    Enter();
    ReadData(this);
    Leave();
}

void TReader::DefineBinaryProperty(const QString &Name, std::function<void(const QByteArray &)> ReadData,
                                   std::function<QByteArray()>, bool)
{
    if (FPropHandled || !ReadData || Name.compare(FPropName, Qt::CaseInsensitive) != 0)
        return;
    FPropHandled = true;
    CheckValue(vaBinary);
    const qint32 n = ReadLength(1);
    const QByteArray data = FData.mid(FPos, n);
    FPos += n;
    ReadData(data);
}

void TReader::ResolveFixups()
{
    for (const Fixup &f : std::as_const(FFixups)) {
        if (!f.Instance || !f.LookupRoot)
            continue;
        TComponent *target = nullptr;
        const qsizetype dot = f.Name.indexOf(u'.');
        if (dot < 0) {
            target = f.LookupRoot->FindComponent(f.Name);
            if (!target && f.LookupRoot->Name().compare(f.Name, Qt::CaseInsensitive) == 0)
                target = f.LookupRoot;
        } else {
            const QString rootName = f.Name.left(dot);
            const QString compName = f.Name.mid(dot + 1);
            TComponent *root = f.LookupRoot->FindComponent(rootName); // an inline frame of this root
            if (!root)
                root = FindGlobalComponent(rootName);
            if (root && !compName.contains(u'.'))
                target = root->FindComponent(compName);
        }
        const PropPlan &p = *static_cast<const PropPlan *>(f.Property);
        if (!target)
            Error(QStringLiteral("δεν βρέθηκε το στοιχείο «%1» (ιδιότητα %2)")
                      .arg(f.Name, QString::fromLatin1(f.PropName)));
        if (!p.PointeeClass || !target->metaObject()->inherits(p.PointeeClass))
            Error(QStringLiteral("το στοιχείο «%1» δεν είναι του σωστού τύπου για την ιδιότητα %2")
                      .arg(f.Name, QString::fromLatin1(f.PropName)));
        QObject *value = target;
        if (!WriteValue(p, f.Instance, QVariant(p.Type, &value)))
            Error(QStringLiteral("μη έγκυρη τιμή για την ιδιότητα %1").arg(QString::fromLatin1(f.PropName)));
    }
    FFixups.clear();
}

// ---------------------------------------------------------------------------------------------

QByteArray WriteDescendent(TComponent *Instance, TComponent *Ancestor)
{
    QByteArray buffer;
    buffer.reserve(4096);
    TWriter writer(buffer);
    writer.WriteDescendent(Instance, Ancestor);
    return buffer;
}

void WriteDescendent(QIODevice &Stream, TComponent *Instance, TComponent *Ancestor)
{
    const QByteArray data = WriteDescendent(Instance, Ancestor);
    if (Stream.write(data) != data.size())
        throw EWriteError(QStringLiteral("Αδυναμία εγγραφής δεδομένων: %1").arg(Stream.errorString()));
}

QByteArray WriteComponent(TComponent *Instance)
{
    return WriteDescendent(Instance, nullptr);
}

QHash<QByteArray, int> ComponentClassCounts(const QByteArray &Data, const TReaderLimits &Limits)
{
    TReader r(Data, Limits);
    QHash<QByteArray, int> counts;
    const std::function<void()> component = [&] {
        r.Enter();
        quint8 flags;
        int childPos;
        r.ReadPrefix(flags, childPos);
        ++counts[r.ReadStr()];
        r.ReadStr();
        while (!r.EndOfList()) {
            r.ReadStr();
            r.SkipValue();
        }
        r.ReadListEnd();
        while (!r.EndOfList())
            component();
        r.ReadListEnd();
        r.Leave();
    };
    r.ReadSignature();
    component();
    return counts;
}

void ReadComponent(const QByteArray &Data, TComponent *Instance, const TReader::TStoredHook &OnStored)
{
    TReader reader(Data);
    reader.OnStored = OnStored;
    reader.ReadRootComponent(Instance);
}

void ReadStoredComponent(const QByteArray &Stored, TComponent *Instance)
{
    ReadComponent(QByteArray(Signature, sizeof Signature) + Stored, Instance);
}

void ReadComponent(QIODevice &Stream, TComponent *Instance)
{
    ReadComponent(Stream.readAll(), Instance);
}

// ---------------------------------------------------------------------------------------------
// Stored descendents of a pattern

// The parts of one component of the copy, in the order the writer visits them, and their names.
struct TStoredInspector::TParts {
    std::vector<TComponent *> Parts;
    std::vector<QByteArray> Names;
};

// One inspection: the reader over the stored bytes, and the copy's values it replaced, to give back.
struct TStoredInspector::TRun {
    TReader Reader;
    TStoredInspector &Owner;
    // A plain value of the copy as it was before the stored one replaced it.
    struct TValue {
        QObject *Target;
        const PropPlan *Plan;
        QString Text;                           // texts
        qint64 Ordinal = 0;                     // numbers, truth values, enumerations, sets, amounts
        double Float = 0;                       // numbers with a fraction
        alignas(16) unsigned char Raw[16] = {}; // the value in the property's own type (not texts)
    };
    std::vector<TValue> Values;
    // The data components of the copy write themselves, as it was before the stored data replaced it.
    std::vector<std::pair<TComponent *, QByteArray>> Defined;
    std::vector<TComponent *> Read;
    QByteArray Form; // a value as the writer writes it

    TRun(TStoredInspector &AOwner, const QByteArray &Stored) : Reader(Stored), Owner(AOwner) {}

    // The next name of the stream, without copying it.
    QByteArrayView Str()
    {
        TReader &r = Reader;
        quint8 n;
        r.ReadBytes(&n, 1);
        if (n > r.Remaining())
            r.Error(QStringLiteral("απρόοπτο τέλος δεδομένων"));
        const QByteArrayView s = QByteArrayView(r.FData).sliced(r.FPos, n);
        r.FPos += n;
        return s;
    }

    // Whether the stream holds Form from From up to To.
    bool SameAsWritten(qsizetype From, qsizetype To) const
    {
        return Form == QByteArrayView(Reader.FData).sliced(From, To - From);
    }

    // What the writer writes of C's own data, compared with C itself.
    static QByteArray DefinedForm(TComponent *C)
    {
        QByteArray form;
        TWriter w(form);
        w.SetAncestor(C);
        C->DefineProperties(&w);
        return form;
    }

    // Reads one stored component into Target where the writer would have put every part of it; false at
    // the first thing it would not have written so.
    bool Component(TComponent *Target, quint8 Flags, TComponent *Root)
    {
        TReader &r = Reader;
        r.Enter();
        quint8 flags;
        int childPos;
        r.ReadPrefix(flags, childPos);
        if (flags != Flags || Str() != Target->metaObject()->className())
            return false;
        Str(); // a part's name is the one its parent looked for; the root's may be any
        Target->SetState(csLoading | csReading);
        Read.push_back(Target);
        if (Target->ComponentState().testFlag(csInline))
            Root = Target;
        r.FLookupRoot = Root;
        const int written = Properties(Target);
        if (written < 0)
            return false;
        const TParts &parts = Owner.Parts(Target, Root);
        size_t next = 0;
        bool anyPart = false;
        while (!r.EndOfList()) {
            const qsizetype at = r.Position();
            quint8 f;
            int p;
            r.ReadPrefix(f, p);
            Str();
            const QByteArrayView partName = Str();
            r.Seek(at);
            size_t i = next;
            while (i < parts.Names.size() && parts.Names[i] != partName)
                ++i;
            if (i == parts.Names.size())
                return false;
            // Parts passed over are those the writer leaves out.
            for (size_t k = next; k < i; ++k)
                if (Owner.WrittenUntouched(parts.Parts[k], Root))
                    return false;
            TComponent *part = parts.Parts[i];
            const quint8 expected = ffInherited | (part->ComponentState().testFlag(csInline) ? ffInline : 0);
            if (!Component(part, expected, Root))
                return false;
            r.FLookupRoot = Root;
            next = i + 1;
            anyPart = true;
        }
        r.ReadListEnd();
        for (size_t k = next; k < parts.Parts.size(); ++k)
            if (Owner.WrittenUntouched(parts.Parts[k], Root))
                return false;
        r.Leave();
        // An inherited part in which nothing differs is left out.
        return !(Flags & ffInherited) || written > 0 || anyPart;
    }

    // Keeps Target's plain property p as it is, to compare and give back.
    TValue &Keep(QObject *Target, const PropPlan &p)
    {
        TValue &v = Values.emplace_back();
        v.Target = Target;
        v.Plan = &p;
        switch (p.Kind) {
        case PropKind::String:
            v.Text = ReadAs<QString>(p, Target);
            break;
        case PropKind::Float:
            v.Float = ReadDouble(p, Target);
            ReadInto(p, Target, v.Raw);
            break;
        default:
            v.Ordinal = ReadOrdinal(p, Target);
            ReadInto(p, Target, v.Raw);
            break;
        }
        return v;
    }

    // Whether p holds what it held when v was kept, as the writer compares values.
    static bool Unchanged(const TValue &v)
    {
        const PropPlan &p = *v.Plan;
        switch (p.Kind) {
        case PropKind::String:
            return ReadAs<QString>(p, v.Target) == v.Text;
        case PropKind::Float:
            return ReadDouble(p, v.Target) == v.Float;
        default:
            return ReadOrdinal(p, v.Target) == v.Ordinal;
        }
    }

    // The properties of one component, each in the writer's order and form; how many, -1 at the first
    // one the writer would not have written there so.
    int Properties(TComponent *Target)
    {
        TReader &r = Reader;
        const auto bad = [&r] { r.Error(QStringLiteral("μη έγκυρη τιμή")); };
        int count = 0;
        int last[2] = {-1, -1};
        qsizetype definedFrom = -1;
        while (!r.EndOfList()) {
            const qsizetype propertyStart = r.Position();
            const QByteArrayView path = Str();
            QObject *target = Target;
            int key[2] = {-1, -1};
            QByteArrayView lastPart = path;
            if (const qsizetype dot = path.indexOf('.'); dot >= 0) {
                // One level of sub-object (a font), as the writer writes it.
                const ClassPlan &plan = PlanOf(target->metaObject());
                const QByteArray head = path.first(dot).toByteArray();
                const int idx = plan.Find(head);
                if (idx < 0 || plan.Props[idx].Kind != PropKind::SubObject || plan.Props[idx].Name != head ||
                    !IsStored(plan.Props[idx], target))
                    return -1;
                key[0] = idx;
                target = ReadPointer(plan.Props[idx], target);
                if (!target)
                    return -1;
                lastPart = path.sliced(dot + 1);
                if (lastPart.contains('.'))
                    return -1;
            }
            if (!Owner.FAccepts(Target->metaObject(), path))
                return -1;
            const ClassPlan &plan = PlanOf(target->metaObject());
            const QByteArray lastName = lastPart.toByteArray();
            // The writer's order: the search starts after the property before.
            const int idx = plan.Find(lastName, key[0] < 0 ? last[0] : key[0] == last[0] ? last[1] : -1);
            if (idx < 0 || !IsStored(plan.Props[idx], target)) {
                // Data the class writes itself: after every published value, the whole of it as the writer
                // would write it (checked at the end). The reader takes it through a published property of
                // that name when there is one.
                if (key[0] >= 0)
                    return -1;
                if (definedFrom < 0) {
                    definedFrom = propertyStart;
                    Defined.emplace_back(Target, DefinedForm(Target));
                }
                if (idx >= 0) {
                    const PropPlan &p = plan.Props[idx];
                    if (!IsPlain(p.Kind) || !p.Prop.isWritable() || !WriteValue(p, target, ReadPlain(r, p, bad)))
                        return -1;
                } else {
                    r.FPropName = QString::fromLatin1(lastName);
                    r.FPropHandled = false;
                    Target->DefineProperties(&r);
                    if (!r.FPropHandled)
                        return -1;
                }
                ++count;
                continue;
            }
            const PropPlan &p = plan.Props[idx];
            (key[0] < 0 ? key[0] : key[1]) = idx;
            if (definedFrom >= 0 || p.Name != lastName || !IsPlain(p.Kind) || !p.Readable || !p.Prop.isWritable() ||
                !(key[0] > last[0] || (key[0] == last[0] && key[1] > last[1])))
                return -1;
            last[0] = key[0];
            last[1] = key[1];
            const qsizetype valueStart = r.Position();
            const QVariant value = ReadPlain(r, p, bad);
            const TValue &kept = Keep(target, p);
            if (!WriteValue(p, target, value) || Unchanged(kept))
                return -1;
            Form.resize(0);
            {
                TWriter w(Form);
                WritePlain(w, p, target);
            }
            if (!SameAsWritten(valueStart, r.Position()))
                return -1;
            ++count;
        }
        const qsizetype end = r.Position();
        r.ReadListEnd();
        // What the writer writes of the class's own data, it would write here.
        Form = DefinedForm(Target);
        if (definedFrom >= 0 ? !SameAsWritten(definedFrom, end) : !Form.isEmpty())
            return -1;
        return count;
    }

    // Gives the copy its values back, last changed first.
    void GiveBack()
    {
        for (auto it = Values.rbegin(); it != Values.rend(); ++it) {
            const PropPlan &p = *it->Plan;
            if (p.Kind == PropKind::String)
                WriteRaw(p, it->Target, &it->Text);
            else
                WriteRaw(p, it->Target, it->Raw);
        }
        for (auto it = Defined.rbegin(); it != Defined.rend(); ++it) {
            TReader back(it->second);
            back.FRoot = back.FLookupRoot = back.FOwner = it->first;
            while (back.Position() < it->second.size())
                back.ReadProperty(it->first);
        }
    }

    static void WriteRaw(const PropPlan &p, QObject *Target, void *Value)
    {
        if (!p.StaticCall) {
            p.Prop.write(Target, QVariant(p.Type, Value));
            return;
        }
        int status = -1;
        int flags = 0;
        void *argv[] = {Value, nullptr, &status, &flags};
        p.StaticCall(Target, QMetaObject::WriteProperty, p.LocalIndex, argv);
    }
};

TStoredInspector::TStoredInspector(std::unique_ptr<TComponent> Copy, TAccepts Accepts)
    : FCopy(std::move(Copy)), FAccepts(std::move(Accepts))
{
}

TStoredInspector::~TStoredInspector() = default;

const TStoredInspector::TParts &TStoredInspector::Parts(TComponent *C, TComponent *Root)
{
    std::unique_ptr<TParts> &slot = FParts[C];
    if (slot)
        return *slot;
    slot = std::make_unique<TParts>();
    C->GetChildren([&parts = *slot](TComponent *part) { parts.Parts.push_back(part); }, Root);
    for (TComponent *part : slot->Parts)
        slot->Names.push_back(part->Name().toLatin1());
    return *slot;
}

bool TStoredInspector::WrittenUntouched(TComponent *C, TComponent *Root)
{
    const auto it = FWrittenUntouched.constFind(C);
    if (it != FWrittenUntouched.constEnd())
        return *it;
    bool written = !TRun::DefinedForm(C).isEmpty();
    if (C->ComponentState().testFlag(csInline))
        Root = C;
    for (TComponent *part : Parts(C, Root).Parts)
        written = WrittenUntouched(part, Root) || written;
    FWrittenUntouched.insert(C, written);
    return written;
}

bool TStoredInspector::Inspect(const QByteArray &Stored, const std::function<void(TComponent *Copy)> &Look)
{
    if (FSpoiled)
        return false;
    TRun run(*this, Stored);
    run.Reader.FRoot = run.Reader.FOwner = FCopy.get();
    const quint8 flags = FCopy->ComponentState().testFlag(csInline) ? ffInline : 0;
    bool same = false;
    try {
        same = run.Component(FCopy.get(), flags, FCopy.get()) && run.Reader.Remaining() == 0;
        if (same)
            Look(FCopy.get());
    } catch (const std::exception &) {
        same = false;
    }
    try {
        run.GiveBack();
    } catch (const std::exception &) {
        FSpoiled = true;
    }
    for (TComponent *c : run.Read)
        c->ClearState(csLoading | csReading);
    return same;
}

// ---------------------------------------------------------------------------------------------
// Text form

namespace
{

QByteArray FloatText(long double v)
{
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    QByteArray text(buf, res.ptr - buf);
    if (!text.contains('.') && !text.contains('e') && !text.contains("inf") && !text.contains("nan"))
        text += ".0";
    return text;
}

QByteArray CurrencyText(qint64 raw)
{
    const bool neg = raw < 0;
    const quint64 a = neg ? quint64(0) - quint64(raw) : quint64(raw);
    QByteArray text = QByteArray::number(a / 10000) + '.' + QByteArray::number(a % 10000).rightJustified(4, '0');
    return neg ? '-' + text : text;
}

QByteArray QuoteString(const QString &s)
{
    if (s.isEmpty())
        return "''";
    QByteArray out;
    bool inQuote = false;
    for (QChar c : s) {
        if (c.unicode() < 32 || (c.unicode() >= 127 && !c.isPrint())) {
            // Controls, format characters (a BOM), surrogates and private-use characters by code.
            if (inQuote) {
                out += '\'';
                inQuote = false;
            }
            out += '#' + QByteArray::number(c.unicode());
        } else {
            if (!inQuote) {
                out += '\'';
                inQuote = true;
            }
            if (c == u'\'')
                out += "''";
            else
                out += QString(c).toUtf8();
        }
    }
    if (inQuote)
        out += '\'';
    return out;
}

class BinaryToText
{
public:
    BinaryToText(TReader &reader) : R(reader) {}

    // Names go into the text as they stand, so they must be identifiers (dotted where allowed).
    QByteArray Ident(const QByteArray &name, bool dotted, bool emptyAllowed = false)
    {
        if (name.isEmpty() && emptyAllowed)
            return name;
        const QList<QByteArray> parts = dotted ? name.split('.') : QList<QByteArray>{name};
        for (const QByteArray &part : parts)
            if (!IsValidIdent(QString::fromLatin1(part)))
                R.Error(QStringLiteral("μη έγκυρο όνομα"));
        return name;
    }

    void Object(int indent)
    {
        R.Enter();
        if (++Components > R.Limits().MaxComponents)
            R.Error(QStringLiteral("υπερβολικά πολλά στοιχεία"));
        quint8 flags;
        int pos;
        R.ReadPrefix(flags, pos);
        const QByteArray className = Ident(R.ReadStr(), false);
        const QByteArray name = Ident(R.ReadStr(), false, true);
        const QByteArray pad(indent, ' ');
        Out += pad;
        if ((flags & ffInherited) && (flags & ffInline))
            Out += "inherited inline ";
        else
            Out += (flags & ffInline) ? "inline " : (flags & ffInherited) ? "inherited " : "object ";
        if (!name.isEmpty())
            Out += name + ": ";
        Out += className;
        if (flags & ffChildPos)
            Out += " [" + QByteArray::number(pos) + ']';
        Out += '\n';
        Properties(indent + 2);
        while (!R.EndOfList())
            Object(indent + 2);
        R.ReadListEnd();
        Out += pad + "end\n";
        R.Leave();
    }

    void Properties(int indent)
    {
        int n = 0;
        while (!R.EndOfList()) {
            if (++n > R.Limits().MaxListItems)
                R.Error(QStringLiteral("υπερβολικά πολλές ιδιότητες"));
            const QByteArray name = Ident(R.ReadStr(), true);
            Out += QByteArray(indent, ' ') + name + " = ";
            Value(indent);
            Out += '\n';
        }
        R.ReadListEnd();
    }

    void Value(int indent)
    {
        R.Enter();
        const qsizetype start = R.Position();
        const TValueType t = R.ReadValue();
        switch (t) {
        case vaList: {
            Out += "(";
            int n = 0;
            while (!R.EndOfList()) {
                if (++n > R.Limits().MaxListItems)
                    R.Error(QStringLiteral("υπερβολικά μεγάλη λίστα"));
                Out += '\n' + QByteArray(indent + 2, ' ');
                Value(indent + 2);
            }
            R.ReadListEnd();
            Out += ")";
            break;
        }
        case vaInt8:
        case vaInt16:
        case vaInt32:
        case vaInt64:
            Rewind(start), Out += QByteArray::number(R.ReadInteger());
            break;
        case vaExtended:
            Rewind(start), Out += FloatText(R.ReadFloat());
            break;
        case vaSingle:
            Rewind(start), Out += FloatText(R.ReadFloat()) + 's';
            break;
        case vaDate:
            Rewind(start), Out += FloatText(R.ReadFloat()) + 'd';
            break;
        case vaCurrency:
            Rewind(start), Out += CurrencyText(R.ReadCurrency().Raw()) + 'c';
            break;
        case vaString:
        case vaLString:
        case vaWString:
        case vaUTF8String:
            Rewind(start), Out += QuoteString(R.ReadString());
            break;
        case vaIdent:
        case vaFalse:
        case vaTrue:
        case vaNil:
            Rewind(start), Out += Ident(R.ReadIdent(), true);
            break;
        case vaBinary: {
            const qint32 n = R.ReadLength(1);
            QByteArray data(n, Qt::Uninitialized);
            R.ReadBytes(data.data(), n);
            Out += '{';
            const QByteArray hex = data.toHex().toUpper();
            for (qsizetype i = 0; i < hex.size(); i += 64)
                Out += '\n' + QByteArray(indent + 2, ' ') + hex.mid(i, 64);
            Out += '}';
            break;
        }
        case vaSet: {
            Out += '[';
            for (int n = 0;; ++n) {
                if (n > R.Limits().MaxListItems)
                    R.Error(QStringLiteral("υπερβολικά μεγάλο σύνολο"));
                const QByteArray item = R.ReadStr();
                if (item.isEmpty())
                    break;
                Ident(item, false);
                if (n)
                    Out += ", ";
                Out += item;
            }
            Out += ']';
            break;
        }
        case vaCollection: {
            Out += '<';
            int n = 0;
            while (!R.EndOfList()) {
                if (++n > R.Limits().MaxListItems)
                    R.Error(QStringLiteral("υπερβολικά πολλά στοιχεία συλλογής"));
                Out += '\n' + QByteArray(indent + 2, ' ') + "item";
                const TValueType nt = R.NextValue();
                if (nt == vaInt8 || nt == vaInt16 || nt == vaInt32)
                    Out += " [" + QByteArray::number(R.ReadInteger()) + ']';
                Out += '\n';
                R.ReadListBegin();
                Properties(indent + 4);
                Out += QByteArray(indent + 2, ' ') + "end";
            }
            R.ReadListEnd();
            Out += '>';
            break;
        }
        case vaNull:
            R.Error(QStringLiteral("μη αναμενόμενο τέλος λίστας"));
        }
        R.Leave();
    }

    void Rewind(qsizetype pos) { R.Seek(pos); }

    TReader &R;
    QByteArray Out;
    int Components = 0;
};

class TextParser
{
public:
    TextParser(const QByteArray &text, const TReaderLimits &limits) : T(text), L(limits), W(Out) {}

    [[noreturn]] void Error(const QString &what) const
    {
        int line = 1;
        for (qsizetype i = 0; i < P && i < T.size(); ++i)
            if (T[i] == '\n')
                ++line;
        throw EReadError(QStringLiteral("Σφάλμα στη μορφή κειμένου (γραμμή %1): %2").arg(line).arg(what));
    }

    void SkipBlanks()
    {
        while (P < T.size()) {
            const char c = T[P];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
                ++P;
            else if (c == '/' && P + 1 < T.size() && T[P + 1] == '/') {
                while (P < T.size() && T[P] != '\n')
                    ++P;
            } else
                break;
        }
    }
    char Peek()
    {
        SkipBlanks();
        return P < T.size() ? T[P] : '\0';
    }
    static bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    QByteArray Ident()
    {
        if (!IsIdentStart(Peek()))
            Error(QStringLiteral("αναμενόταν όνομα"));
        const qsizetype s = P;
        while (P < T.size() && (IsIdentStart(T[P]) || IsDigit(T[P])))
            ++P;
        if (P - s > 255)
            Error(QStringLiteral("υπερβολικά μεγάλο όνομα"));
        return T.mid(s, P - s);
    }
    QByteArray DottedIdent()
    {
        QByteArray name = Ident();
        while (P < T.size() && T[P] == '.') {
            ++P;
            name += '.' + Ident();
            if (name.size() > 255)
                Error(QStringLiteral("υπερβολικά μεγάλο όνομα"));
        }
        return name;
    }
    void Expect(char c)
    {
        if (Peek() != c)
            Error(QStringLiteral("αναμενόταν «%1»").arg(QChar::fromLatin1(c)));
        ++P;
    }
    qint64 Integer()
    {
        Peek();
        const qsizetype s = P;
        if (P < T.size() && (T[P] == '-' || T[P] == '+'))
            ++P;
        if (P < T.size() && T[P] == '$') {
            ++P;
            const qsizetype h = P;
            while (P < T.size() && std::isxdigit(static_cast<unsigned char>(T[P])))
                ++P;
            bool ok = false;
            const quint64 v = T.mid(h, P - h).toULongLong(&ok, 16);
            if (!ok || P - h > 16)
                Error(QStringLiteral("μη έγκυρος αριθμός"));
            const qint64 sv = (P - h <= 8) ? qint64(qint32(quint32(v))) : qint64(v);
            return T[s] == '-' ? -sv : sv;
        }
        while (P < T.size() && IsDigit(T[P]))
            ++P;
        bool ok = false;
        const qint64 v = T.mid(s, P - s).toLongLong(&ok);
        if (!ok)
            Error(QStringLiteral("μη έγκυρος αριθμός"));
        return v;
    }

    void Number()
    {
        const qsizetype s = P;
        if (T[P] == '$') {
            W.WriteInteger(Integer());
            return;
        }
        if (T[P] == '-' || T[P] == '+')
            ++P;
        while (P < T.size() && (IsDigit(T[P]) || T[P] == '.' || T[P] == 'e' || T[P] == 'E' ||
                                ((T[P] == '-' || T[P] == '+') && (T[P - 1] == 'e' || T[P - 1] == 'E'))))
            ++P;
        const QByteArray num = T.mid(s, P - s);
        char suffix = 0;
        if (P < T.size() && (T[P] == 's' || T[P] == 'c' || T[P] == 'd' || T[P] == 'S' || T[P] == 'C' || T[P] == 'D'))
            suffix = char(std::tolower(T[P++]));
        if (P < T.size() && (IsIdentStart(T[P]) || IsDigit(T[P])))
            Error(QStringLiteral("μη έγκυρος αριθμός"));
        const bool isFloat = num.contains('.') || num.contains('e') || num.contains('E') || suffix;
        if (!isFloat) {
            P = s;
            W.WriteInteger(Integer());
            return;
        }
        if (suffix == 'c') {
            W.WriteCurrency(ParseCurrency(num));
            return;
        }
        long double v = 0;
        const char *b = num.constData() + (num.startsWith('+') ? 1 : 0);
        auto res = std::from_chars(b, num.constData() + num.size(), v);
        if (res.ec != std::errc() || res.ptr != num.constData() + num.size() || !std::isfinite(v))
            Error(QStringLiteral("μη έγκυρος αριθμός"));
        if (suffix == 's')
            W.WriteSingle(float(v));
        else if (suffix == 'd')
            W.WriteDate(double(v));
        else
            W.WriteFloat(v);
    }

    Currency ParseCurrency(const QByteArray &num)
    {
        QByteArray t = num;
        const bool neg = t.startsWith('-');
        if (neg || t.startsWith('+'))
            t.remove(0, 1);
        const qsizetype dot = t.indexOf('.');
        const QByteArray whole = dot < 0 ? t : t.left(dot);
        const QByteArray frac = dot < 0 ? QByteArray() : t.mid(dot + 1);
        if (whole.isEmpty() || whole.size() > 15 || frac.size() > 4)
            Error(QStringLiteral("μη έγκυρο ποσό"));
        // The whole range of the 64-bit count of 1/10000, both ends included.
        quint64 raw = 0;
        for (char c : whole + frac.leftJustified(4, '0')) {
            if (!IsDigit(c))
                Error(QStringLiteral("μη έγκυρο ποσό"));
            raw = raw * 10 + quint64(c - '0');
        }
        const quint64 limit = neg ? quint64(INT64_MAX) + 1 : quint64(INT64_MAX);
        if (raw > limit)
            Error(QStringLiteral("μη έγκυρο ποσό"));
        return Currency::FromRaw(neg ? qint64(quint64(0) - raw) : qint64(raw));
    }

    // Quoted pieces and #n characters written next to each other form one string; a "+" joins a
    // string continued on the next line. Blanks alone separate values (the items of a list).
    QString String()
    {
        QString s;
        bool blanksAllowed = true; // before the first piece and after a "+"
        for (;;) {
            const char c = blanksAllowed ? Peek() : (P < T.size() ? T[P] : '\0');
            blanksAllowed = false;
            if (c == '\'') {
                ++P;
                QByteArray run;
                for (;;) {
                    if (P >= T.size())
                        Error(QStringLiteral("ανολοκλήρωτο κείμενο"));
                    if (T[P] == '\'') {
                        if (P + 1 < T.size() && T[P + 1] == '\'') {
                            run += '\'';
                            P += 2;
                            continue;
                        }
                        ++P;
                        break;
                    }
                    if (T[P] == '\n' || T[P] == '\r')
                        Error(QStringLiteral("ανολοκλήρωτο κείμενο"));
                    run += T[P++];
                }
                // A run may start with U+FEFF, which must not be taken for a byte-order mark.
                QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
                s += decoder.decode(run);
            } else if (c == '#') {
                ++P;
                const qsizetype d = P;
                while (P < T.size() && IsDigit(T[P]) && P - d < 6)
                    ++P;
                bool ok = false;
                const uint code = T.mid(d, P - d).toUInt(&ok);
                if (!ok || code > 0xFFFF)
                    Error(QStringLiteral("μη έγκυρος χαρακτήρας"));
                s += QChar(char16_t(code));
            } else {
                const qsizetype save = P;
                if (Peek() == '+') {
                    ++P;
                    const char n = Peek();
                    if (n == '\'' || n == '#') {
                        blanksAllowed = true;
                        continue;
                    }
                }
                P = save;
                break;
            }
            if (s.size() > L.MaxStringBytes)
                Error(QStringLiteral("υπερβολικά μεγάλο κείμενο"));
        }
        return s;
    }

    void Value()
    {
        if (++Depth > L.MaxDepth)
            Error(QStringLiteral("υπερβολικό βάθος φωλιάσματος"));
        const char c = Peek();
        if (c == '(') {
            ++P;
            W.WriteListBegin();
            int n = 0;
            while (Peek() != ')') {
                if (P >= T.size())
                    Error(QStringLiteral("αναμενόταν «)»"));
                if (++n > L.MaxListItems)
                    Error(QStringLiteral("υπερβολικά μεγάλη λίστα"));
                Value();
            }
            ++P;
            W.WriteListEnd();
        } else if (c == '[') {
            ++P;
            W.WriteValue(vaSet);
            int n = 0;
            if (Peek() != ']') {
                for (;;) {
                    if (++n > L.MaxListItems)
                        Error(QStringLiteral("υπερβολικά μεγάλο σύνολο"));
                    W.WriteStr(Ident());
                    if (Peek() == ',') {
                        ++P;
                        continue;
                    }
                    break;
                }
            }
            Expect(']');
            W.WriteStr(QByteArray());
        } else if (c == '{') {
            ++P;
            QByteArray hex;
            while (Peek() != '}') {
                if (P >= T.size() || !std::isxdigit(static_cast<unsigned char>(T[P])))
                    Error(QStringLiteral("μη έγκυρα δυαδικά δεδομένα"));
                hex += T[P++];
                if (hex.size() / 2 > L.MaxStringBytes)
                    Error(QStringLiteral("υπερβολικά μεγάλα δυαδικά δεδομένα"));
            }
            ++P;
            if (hex.size() % 2)
                Error(QStringLiteral("μη έγκυρα δυαδικά δεδομένα"));
            W.WriteBinary(QByteArray::fromHex(hex));
        } else if (c == '<') {
            ++P;
            W.WriteValue(vaCollection);
            int n = 0;
            while (Peek() != '>') {
                if (++n > L.MaxListItems)
                    Error(QStringLiteral("υπερβολικά πολλά στοιχεία συλλογής"));
                if (Ident().compare("item", Qt::CaseInsensitive) != 0)
                    Error(QStringLiteral("αναμενόταν «item»"));
                if (Peek() == '[') {
                    ++P;
                    W.WriteInteger(Integer());
                    Expect(']');
                }
                W.WriteListBegin();
                Properties(false);
                W.WriteListEnd();
            }
            ++P;
            W.WriteListEnd();
        } else if (c == '\'' || c == '#') {
            W.WriteString(String());
        } else if (IsDigit(c) || c == '-' || c == '+' || c == '$') {
            Number();
        } else if (IsIdentStart(c)) {
            W.WriteIdent(DottedIdent());
        } else {
            Error(QStringLiteral("αναμενόταν τιμή"));
        }
        --Depth;
    }

    // Properties up to "end" (or up to the first nested object when objects may follow).
    void Properties(bool objectsFollow)
    {
        int n = 0;
        for (;;) {
            const qsizetype save = P;
            if (!IsIdentStart(Peek()))
                Error(QStringLiteral("αναμενόταν ιδιότητα ή «end»"));
            const QByteArray word = Ident();
            const QByteArray lower = word.toLower();
            if (lower == "end" && (P >= T.size() || T[P] != '.')) {
                if (objectsFollow)
                    P = save;
                return;
            }
            if (objectsFollow && (lower == "object" || lower == "inherited" || lower == "inline") && Peek() != '=' &&
                (P >= T.size() || T[P] != '.')) {
                P = save;
                return;
            }
            P = save;
            if (++n > L.MaxListItems)
                Error(QStringLiteral("υπερβολικά πολλές ιδιότητες"));
            const QByteArray name = DottedIdent();
            Expect('=');
            W.WriteStr(name);
            Value();
        }
    }

    void Object()
    {
        if (++Depth > L.MaxDepth)
            Error(QStringLiteral("υπερβολικό βάθος φωλιάσματος"));
        if (++Components > L.MaxComponents)
            Error(QStringLiteral("υπερβολικά πολλά στοιχεία"));
        const QByteArray kind = Ident().toLower();
        quint8 flags = 0;
        if (kind == "inherited") {
            flags = ffInherited;
            const qsizetype save = P;
            if (IsIdentStart(Peek()) && Ident().toLower() == "inline" && IsIdentStart(Peek()))
                flags |= ffInline;
            else
                P = save;
        } else if (kind == "inline")
            flags = ffInline;
        else if (kind != "object")
            Error(QStringLiteral("αναμενόταν «object», «inherited» ή «inline»"));
        QByteArray name = Ident(), className;
        if (Peek() == ':') {
            ++P;
            className = Ident();
        } else {
            className = name;
            name.clear();
        }
        int pos = 0;
        if (Peek() == '[') {
            ++P;
            const qint64 v = Integer();
            if (v < 0 || v > L.MaxComponents)
                Error(QStringLiteral("μη έγκυρη θέση στοιχείου"));
            pos = int(v);
            flags |= ffChildPos;
            Expect(']');
        }
        if (flags) {
            Out.append(char(0xF0 | flags));
            if (flags & ffChildPos)
                W.WriteInteger(pos);
        }
        W.WriteStr(className);
        W.WriteStr(name);
        Properties(true);
        W.WriteListEnd();
        for (;;) {
            const qsizetype save = P;
            const QByteArray word = Ident().toLower();
            P = save;
            if (word == "end")
                break;
            Object();
        }
        Ident(); // end
        W.WriteListEnd();
        --Depth;
    }

    QByteArray Convert()
    {
        if (T.startsWith("\xEF\xBB\xBF"))
            P = 3;
        W.WriteSignature();
        Object();
        if (Peek() != '\0')
            Error(QStringLiteral("περιττό κείμενο μετά το τέλος"));
        return Out;
    }

    const QByteArray &T;
    TReaderLimits L;
    qsizetype P = 0;
    int Depth = 0;
    int Components = 0;
    QByteArray Out;
    TWriter W;
};

} // namespace

QByteArray ObjectTextToBinary(const QByteArray &Text, const TReaderLimits &Limits)
{
    TextParser parser(Text, Limits);
    return parser.Convert();
}

QByteArray ObjectBinaryToText(const QByteArray &Binary, const TReaderLimits &Limits)
{
    TReader reader(Binary, Limits);
    reader.ReadSignature();
    BinaryToText conv(reader);
    conv.Object(0);
    if (reader.Remaining() != 0)
        reader.Error(QStringLiteral("περιττά δεδομένα μετά το τέλος"));
    return conv.Out;
}

// ---------------------------------------------------------------------------------------------
// Form resources

// A form resource in binary form, with what its readings learned.
struct TReader::TDesign {
    QByteArray Binary;
    TDesignMemo Memo;
};

namespace
{
QHash<QString, std::shared_ptr<TReader::TDesign>> &ResourceCache()
{
    // Never freed: components and events may outlive static destruction at exit.
    static auto *cache = new QHash<QString, std::shared_ptr<TReader::TDesign>>;
    return *cache;
}

std::shared_ptr<TReader::TDesign> LoadResource(const QString &path)
{
    auto it = ResourceCache().constFind(path);
    if (it != ResourceCache().constEnd())
        return *it;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return nullptr;
    const QByteArray data = f.readAll();
    auto design = std::make_shared<TReader::TDesign>();
    design->Binary = data.startsWith(Signature) ? data : ObjectTextToBinary(data);
    ResourceCache().insert(path, design);
    return design;
}
} // namespace

void ReadComponentResource(const QString &Path, TComponent *Instance)
{
    const std::shared_ptr<TReader::TDesign> design = LoadResource(Path);
    if (!design)
        throw EReadError(QStringLiteral("Δεν βρέθηκε ο πόρος φόρμας %1").arg(Path));
    TReader reader(design->Binary);
    reader.FMemo = &design->Memo;
    reader.ReadRootComponent(Instance);
}

bool InitInheritedComponent(TComponent *Instance, const QMetaObject *RootAncestor)
{
    QList<const QMetaObject *> chain;
    for (const QMetaObject *mo = Instance->metaObject(); mo && mo != RootAncestor; mo = mo->superClass()) {
        if (mo == Instance->DesignClass())
            break; // this level and those above were read by a base class's constructor
        chain.prepend(mo);
    }
    bool any = false;
    for (const QMetaObject *mo : chain) {
        QString path;
        const int ci = mo->indexOfClassInfo("FormResource");
        if (ci >= mo->classInfoOffset())
            path = QString::fromUtf8(mo->classInfo(ci).value());
        else
            path = QStringLiteral(":/forms/%1.dfm").arg(QString::fromLatin1(mo->className()));
        const std::shared_ptr<TReader::TDesign> design = LoadResource(path);
        if (!design)
            continue;
        TReader reader(design->Binary);
        reader.FMemo = &design->Memo;
        reader.ReadRootComponent(Instance);
        Instance->SetDesignClass(mo);
        any = true;
    }
    return any;
}
