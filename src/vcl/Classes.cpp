#include "Classes.h"

#include "CodePage.h"

#include <QCoreApplication>
#include <QFile>
#include <QMetaEnum>
#include <QMutex>
#include <QSaveFile>
#include <QSet>
#include <QThread>
#include <algorithm>

// ---------------------------------------------------------------------------------------------
// Events

namespace
{
// Event types are learnt as their first event is made, which may be on the thread that works out how
// classes are read while the windows are made: the list is shared under its lock.
struct TEventTypes {
    QMutex Lock;
    QSet<int> Ids;
};
TEventTypes &EventTypes()
{
    // Never freed: components and events may outlive static destruction at exit.
    static auto *types = new TEventTypes;
    return *types;
}
} // namespace

void EventDetail::RegisterEventMetaType(QMetaType type)
{
    const int id = type.id();
    TEventTypes &types = EventTypes();
    const QMutexLocker lock(&types.Lock);
    types.Ids.insert(id);
}

bool IsEventType(QMetaType type)
{
    if (!type.isValid())
        return false;
    const int id = type.id();
    TEventTypes &types = EventTypes();
    const QMutexLocker lock(&types.Lock);
    return types.Ids.contains(id);
}

const TMethod *EventFromVariant(const QVariant &value)
{
    if (!IsEventType(value.metaType()))
        return nullptr;
    // Every event type is a TEvent<...>, whose only base is TMethod.
    return reinterpret_cast<const TMethod *>(value.constData());
}

TMethod *EventFromVariant(QVariant &value)
{
    if (!IsEventType(value.metaType()))
        return nullptr;
    return reinterpret_cast<TMethod *>(value.data());
}

QByteArray TEventSignature::Text() const
{
    QByteArray text = "(";
    for (int i = 0; i < ParamTypes.size(); ++i) {
        if (i)
            text += ',';
        text += ParamTypes[i].name();
        if (ParamIsRef[i])
            text += '&';
    }
    return text + ')';
}

bool TEventSignature::Matches(const QMetaMethod &method) const
{
    if (method.parameterCount() != ParamTypes.size())
        return false;
    if (method.returnMetaType().id() != ReturnType.id())
        return false;
    for (int i = 0; i < ParamTypes.size(); ++i) {
        const QByteArray typeName = method.parameterTypeName(i);
        if (typeName.endsWith('&') != ParamIsRef[i])
            return false;
        if (ParamIsRef[i]) {
            // The meta-object keeps no type for reference parameters: compare by name.
            const QByteArray plain = typeName.chopped(1);
            if (plain != ParamTypes[i].name() && QMetaType::fromName(plain).id() != ParamTypes[i].id())
                return false;
        } else if (method.parameterMetaType(i).id() != ParamTypes[i].id()) {
            return false;
        }
    }
    return true;
}

namespace
{
// The member a handler name binds to, found once per class, event signature and name (every page of a
// declaration binds the same handlers).
int FindHandler(const QMetaObject *mo, const TEventSignature *signature, const QByteArray &name)
{
    // Never freed: events may be bound during static destruction at exit.
    static auto *found = new QHash<std::pair<const void *, const void *>, QHash<QByteArray, int>>;
    QHash<QByteArray, int> &names = (*found)[{mo, signature}];
    if (auto it = names.constFind(name); it != names.constEnd())
        return *it;
    int index = -1;
    for (int i = mo->methodCount() - 1; i >= 0 && index < 0; --i) {
        QMetaMethod m = mo->method(i);
        // Only members the program's own classes declare; never QObject's slots.
        if (i < TComponent::staticMetaObject.methodOffset() ||
            (m.methodType() != QMetaMethod::Method && m.methodType() != QMetaMethod::Slot))
            continue;
        if (m.name() == name && signature->Matches(m))
            index = i;
    }
    names.insert(name, index);
    return index;
}
} // namespace

bool TMethod::Bind(QObject *data, const QByteArray &name)
{
    if (!data || name.isEmpty())
        return false;
    const int index = FindHandler(data->metaObject(), FSignature, name);
    if (index < 0)
        return false;
    ClearCallable();
    FData = data;
    FName = name;
    FIndex = index;
    return true;
}

void TMethod::Invoke(void **argv) const
{
    QMetaObject::metacall(FData.data(), QMetaObject::InvokeMetaMethod, FIndex, argv);
}

// ---------------------------------------------------------------------------------------------
// TPersistent

void TPersistent::Assign(TPersistent *Source)
{
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    throw EConvertError(QStringLiteral("Δεν είναι δυνατή η ανάθεση κενής τιμής σε %1").arg(ClassName()));
}

void TPersistent::AssignTo(TPersistent *Dest)
{
    throw EConvertError(QStringLiteral("Δεν είναι δυνατή η ανάθεση %1 σε %2").arg(ClassName(), Dest->ClassName()));
}

void TPersistent::DefineProperties(TFiler *)
{
}

// ---------------------------------------------------------------------------------------------
// TComponent

bool IsValidIdent(const QString &Name)
{
    if (Name.isEmpty() || Name.size() > 255)
        return false;
    for (int i = 0; i < Name.size(); ++i) {
        const char16_t c = Name[i].unicode();
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        const bool digit = c >= '0' && c <= '9';
        if (!(letter || (i > 0 && digit)))
            return false;
    }
    return true;
}

namespace
{
TNameKey NameKey(const QString &name)
{
    return TNameKey{name};
}
inline char16_t AsciiLower(char16_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c | 0x20) : c;
}
} // namespace

bool operator==(const TNameKey &a, const TNameKey &b) noexcept
{
    const qsizetype n = a.Name.size();
    if (n != b.Name.size())
        return false;
    const QChar *x = a.Name.constData(), *y = b.Name.constData();
    for (qsizetype i = 0; i < n; ++i)
        if (AsciiLower(x[i].unicode()) != AsciiLower(y[i].unicode()))
            return false;
    return true;
}

size_t qHash(const TNameKey &key, size_t seed) noexcept
{
    size_t h = seed ^ 0x9E3779B97F4A7C15ull;
    for (QChar c : key.Name)
        h = (h ^ AsciiLower(c.unicode())) * 0x100000001B3ull;
    return h;
}

void TComponentRefs::Append(TComponent *c)
{
    FIndex.insert(c, FItems.size());
    FItems.push_back(c);
}

bool TComponentRefs::Remove(TComponent *c)
{
    auto it = FIndex.find(c);
    if (it == FIndex.end())
        return false;
    FItems[*it] = nullptr;
    FIndex.erase(it);
    if (FIndex.isEmpty()) {
        FItems.clear();
    } else if (FItems.size() > 32 && FItems.size() > 2 * size_t(FIndex.size())) {
        // Mostly holes: close them up.
        size_t n = 0;
        for (TComponent *x : FItems)
            if (x) {
                FIndex[x] = n;
                FItems[n++] = x;
            }
        FItems.resize(n);
    }
    return true;
}

TComponent *TComponentRefs::TakeLast()
{
    while (!FItems.empty() && !FItems.back())
        FItems.pop_back();
    if (FItems.empty())
        return nullptr;
    TComponent *c = FItems.back();
    FItems.pop_back();
    FIndex.remove(c);
    return c;
}

TComponent::TComponent(TComponent *AOwner)
{
    ++FCreatedCount;
    // Not yet of its own class, the component is no news to the owner's components (each would be told of
    // each other component of a form as it is built); those whose arrival matters announce it once whole.
    if (AOwner)
        AOwner->InsertComponent(this, false);
}

TComponent::~TComponent()
{
    Destroying();
    while (!FFreeNotifies.IsEmpty()) {
        TComponent *other = FFreeNotifies.TakeLast();
        other->FFreeNotifies.Remove(this);
        other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) {
        if (FOwner->IsDestroying() && FOwner->LeftQuietly(this))
            FOwner->Remove(this);
        else
            FOwner->RemoveComponent(this);
    }
    RemoveGlobalRoot(this);
}

bool TComponent::LeftQuietly(TComponent *AComponent) const
{
    // Freeing its components, an owner tells the others only of a component one of them asked to hear of;
    // the rest leave quietly, which keeps freeing a large tree linear (those of other owners that asked hear
    // it from the component itself).
    return !AComponent->FSiblingsListen && (FComponentState & (csDesigning | csInline)) != (csDesigning | csInline);
}

void TComponent::Destroying()
{
    if (FComponentState.testFlag(csDestroying))
        return;
    FComponentState |= csDestroying;
    for (TComponent *c : FComponents)
        c->Destroying();
}

void TComponent::DestroyComponents()
{
    while (!FComponents.isEmpty()) {
        TComponent *instance = FComponents.last();
        if (LeftQuietly(instance))
            Remove(instance);
        else
            RemoveComponent(instance);
        delete instance;
    }
}

TComponent *TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= FComponents.size())
        throw EListError(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)").arg(Index));
    return FComponents[Index];
}

int TComponent::ComponentIndex() const
{
    return FOwner ? int(FOwner->FComponents.indexOf(this)) : -1;
}

void TComponent::SetComponentIndex(int Value)
{
    if (!FOwner)
        return;
    QList<TComponent *> &list = FOwner->FComponents;
    const int cur = int(list.indexOf(this));
    if (cur < 0)
        return;
    Value = std::clamp(Value, 0, int(list.size()) - 1);
    if (Value != cur)
        list.move(cur, Value);
}

TComponent *TComponent::FindComponent(const QString &AName) const
{
    if (AName.isEmpty())
        return nullptr;
    return FNameIndex.value(NameKey(AName), nullptr);
}

void TComponent::SetName(const QString &NewName)
{
    if (FName == NewName)
        return;
    if (!NewName.isEmpty() && !IsValidIdent(NewName))
        throw EComponentError(QStringLiteral("Το «%1» δεν είναι έγκυρο όνομα στοιχείου").arg(NewName));
    if (FOwner)
        FOwner->ValidateRename(this, FName, NewName);
    else
        ValidateRename(nullptr, FName, NewName);
    SetReference(false);
    ChangeName(NewName);
    SetReference(true);
}

void TComponent::ChangeName(const QString &NewName)
{
    if (FOwner && !FName.isEmpty()) {
        auto it = FOwner->FNameIndex.find(NameKey(FName));
        if (it != FOwner->FNameIndex.end() && it.value() == this)
            FOwner->FNameIndex.erase(it);
    }
    SetChildName(NewName);
    if (FOwner && !FName.isEmpty())
        FOwner->FNameIndex.insert(NameKey(FName), this);
}

void TComponent::ValidateRename(TComponent *AComponent, const QString &CurName, const QString &NewName)
{
    if (AComponent && !NewName.isEmpty() && AComponent->FOwner == this && NameKey(CurName) != NameKey(NewName) &&
        FindComponent(NewName))
        throw EComponentError(QStringLiteral("Υπάρχει ήδη στοιχείο με το όνομα «%1»").arg(NewName));
}

void TComponent::ValidateInsert(TComponent *)
{
}

void TComponent::ValidateContainer(TComponent *AComponent)
{
    AComponent->ValidateInsert(this);
}

void TComponent::InsertComponent(TComponent *AComponent)
{
    InsertComponent(AComponent, true);
}

void TComponent::InsertComponent(TComponent *AComponent, bool Notify)
{
    if (!AComponent || AComponent == this)
        return;
    AComponent->ValidateContainer(this);
    ValidateRename(AComponent, QString(), AComponent->FName);
    if (AComponent->FOwner)
        AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    AComponent->SetReference(true);
    if (FComponentState.testFlag(csDesigning))
        AComponent->SetDesigning(true);
    if (Notify)
        Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent *AComponent)
{
    if (!AComponent || AComponent->FOwner != this)
        return;
    Notification(AComponent, opRemove);
    AComponent->SetReference(false);
    Remove(AComponent);
}

void TComponent::Insert(TComponent *AComponent)
{
    FComponents.append(AComponent);
    AComponent->FOwner = this;
    if (!AComponent->FName.isEmpty())
        FNameIndex.insert(NameKey(AComponent->FName), AComponent);
}

void TComponent::Remove(TComponent *AComponent)
{
    const qsizetype idx = FComponents.lastIndexOf(AComponent);
    if (idx >= 0)
        FComponents.removeAt(idx);
    if (!AComponent->FName.isEmpty()) {
        auto it = FNameIndex.find(NameKey(AComponent->FName));
        if (it != FNameIndex.end() && it.value() == AComponent)
            FNameIndex.erase(it);
    }
    AComponent->FOwner = nullptr;
}

namespace
{
// Pointer properties a class publishes as fields for its designed components (STORED false), by name.
QHash<QString, int> FieldProperties(const QMetaObject *mo)
{
    // Never freed: components may be freed during static destruction at exit.
    static auto *cache = new QHash<const QMetaObject *, QHash<QString, int>>;
    auto it = cache->constFind(mo);
    if (it != cache->constEnd())
        return *it;
    QHash<QString, int> fields;
    for (int i = TComponent::staticMetaObject.propertyOffset(); i < mo->propertyCount(); ++i) {
        const QMetaProperty prop = mo->property(i);
        const QMetaType type = prop.metaType();
        if (!prop.isStored() && prop.isWritable() && (type.flags() & QMetaType::PointerToQObject) &&
            type.metaObject() && type.metaObject()->inherits(&TComponent::staticMetaObject))
            fields.insert(QString::fromLatin1(prop.name()), i);
    }
    cache->insert(mo, fields);
    return fields;
}
} // namespace

// An owner may publish a pointer property named after an owned component (STORED false): it follows
// the component, so code reaches designed components as fields.
void TComponent::SetReference(bool Enable)
{
    if (!FOwner || FName.isEmpty() || FOwner->IsDestroying())
        return;
    const QMetaObject *mo = FOwner->metaObject();
    const QHash<QString, int> fields = FieldProperties(mo);
    if (fields.isEmpty())
        return;
    const int idx = fields.value(FName, -1);
    if (idx < 0)
        return;
    const QMetaProperty prop = mo->property(idx);
    const QMetaType type = prop.metaType();
    if (Enable) {
        if (!metaObject()->inherits(type.metaObject()))
            return;
        QObject *value = this;
        prop.write(FOwner, QVariant(type, &value));
    } else {
        // (Called from the destructor too, when this object is no longer of its own class.)
        const QVariant cur = prop.read(FOwner);
        if (cur.isValid() && *static_cast<QObject *const *>(cur.constData()) == static_cast<QObject *>(this)) {
            QObject *value = nullptr;
            prop.write(FOwner, QVariant(type, &value));
        }
    }
}

void TComponent::FreeNotification(TComponent *AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    if (!FOwner || AComponent->FOwner != FOwner) {
        if (!FFreeNotifies.Contains(AComponent)) {
            FFreeNotifies.Append(AComponent);
            AComponent->FreeNotification(this);
        }
    } else {
        FSiblingsListen = true;
    }
    FComponentState |= csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent *AComponent)
{
    if (!AComponent)
        return;
    if (FFreeNotifies.Remove(AComponent))
        AComponent->FFreeNotifies.Remove(this);
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
    if (Value)
        FComponentState |= csDesigning;
    else
        FComponentState &= ~TComponentState(csDesigning);
    if (SetChildren)
        for (TComponent *c : FComponents)
            c->SetDesigning(Value, true);
}

void TComponent::SetInline(bool Value)
{
    if (Value)
        FComponentState |= csInline;
    else
        FComponentState &= ~TComponentState(csInline);
}

void TComponent::SetDesignInstance(bool Value)
{
    if (Value)
        FComponentState |= csDesignInstance;
    else
        FComponentState &= ~TComponentState(csDesignInstance);
}

void TComponent::GetChildren(TGetChildProc, TComponent *)
{
}

TComponent *TComponent::GetChildOwner()
{
    return nullptr;
}

TComponent *TComponent::GetChildParent()
{
    return this;
}

bool TComponent::HasParent() const
{
    return false;
}

TComponent *TComponent::GetParentComponent() const
{
    return nullptr;
}

void TComponent::SetParentComponent(TComponent *)
{
}

void TComponent::SetChildOrder(TComponent *, int)
{
}

void TComponent::Loaded()
{
    FComponentState &= ~TComponentState(csLoading);
}

void TComponent::Notification(TComponent *AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent)
        RemoveFreeNotification(AComponent);
    // An inline frame names its own parts, and they refer beyond it only through FreeNotification: news of
    // components outside it is not theirs (else each page added to a form would reach every part of every
    // earlier page).
    if (FComponentState.testFlag(csInline) && AComponent && AComponent->FOwner != this)
        return;
    for (qsizetype i = FComponents.size() - 1; i >= 0; --i) {
        if (i >= FComponents.size())
            continue; // a handler freed components meanwhile
        FComponents[i]->Notification(AComponent, Operation);
    }
}

// ---------------------------------------------------------------------------------------------
// Class registry and global roots

namespace
{
struct RegisteredClass {
    TComponentClass Class;
    TComponentFactory Factory;
};
QHash<QString, RegisteredClass> &ClassRegistry()
{
    // Never freed: components and events may outlive static destruction at exit.
    static auto *registry = new QHash<QString, RegisteredClass>;
    return *registry;
}
QList<TComponent *> &GlobalRoots()
{
    // Never freed: components and events may outlive static destruction at exit.
    static auto *roots = new QList<TComponent *>;
    return *roots;
}
QSet<QByteArray> &IntegerEnums()
{
    // Never freed: components and events may outlive static destruction at exit.
    static auto *enums = new QSet<QByteArray>;
    return *enums;
}
QByteArray EnumKey(const QMetaEnum &e)
{
    return QByteArray(e.scope()) + "::" + e.name();
}
} // namespace

void RegisterClass(TComponentClass AClass, TComponentFactory Factory)
{
    ClassRegistry().insert(QString::fromLatin1(AClass->className()), {AClass, std::move(Factory)});
}

void RegisterClass(TComponentClass AClass)
{
    RegisterClass(AClass, [AClass](TComponent *AOwner) -> TComponent * {
        QObject *o = AClass->newInstance(Q_ARG(TComponent *, AOwner));
        if (!o)
            throw EClassNotFound(
                QStringLiteral("Η κλάση %1 δεν δημιουργείται με όνομα").arg(QString::fromLatin1(AClass->className())));
        return static_cast<TComponent *>(o);
    });
}

void UnRegisterClass(TComponentClass AClass)
{
    ClassRegistry().remove(QString::fromLatin1(AClass->className()));
}

TComponentClass GetClass(const QString &ClassName)
{
    auto it = ClassRegistry().constFind(ClassName);
    return it == ClassRegistry().constEnd() ? nullptr : it->Class;
}

QList<TComponentClass> RegisteredClasses()
{
    QList<TComponentClass> classes;
    for (const RegisteredClass &c : std::as_const(ClassRegistry()))
        classes.append(c.Class);
    return classes;
}

namespace
{
QList<QThread *> &BesideThreads()
{
    static auto *threads = new QList<QThread *>;
    return *threads;
}
void JoinBesideThreads()
{
    for (QThread *t : std::exchange(BesideThreads(), {})) {
        t->wait();
        delete t;
    }
}
} // namespace

void RunBesideApplication(std::function<void()> Work)
{
    if (BesideThreads().isEmpty())
        qAddPostRoutine(JoinBesideThreads);
    BesideThreads().append(QThread::create(std::move(Work)));
    BesideThreads().last()->start();
}

TComponentClass FindClass(const QString &ClassName)
{
    TComponentClass cls = GetClass(ClassName);
    if (!cls)
        throw EClassNotFound(QStringLiteral("Η κλάση %1 δεν βρέθηκε").arg(ClassName));
    return cls;
}

TComponent *CreateComponent(TComponentClass AClass, TComponent *AOwner)
{
    auto it = ClassRegistry().constFind(QString::fromLatin1(AClass->className()));
    if (it == ClassRegistry().constEnd() || it->Class != AClass)
        throw EClassNotFound(QStringLiteral("Η κλάση %1 δεν βρέθηκε").arg(QString::fromLatin1(AClass->className())));
    return it->Factory(AOwner);
}

void AddGlobalRoot(TComponent *Root)
{
    if (Root && !GlobalRoots().contains(Root))
        GlobalRoots().append(Root);
}

void RemoveGlobalRoot(TComponent *Root)
{
    GlobalRoots().removeAll(Root);
}

bool IsGlobalRoot(const TComponent *Root)
{
    return GlobalRoots().contains(const_cast<TComponent *>(Root));
}

TComponent *FindGlobalComponent(const QString &Name)
{
    for (TComponent *root : GlobalRoots())
        if (!root->IsDestroying() && root->Name().compare(Name, Qt::CaseInsensitive) == 0)
            return root;
    return nullptr;
}

void RegisterIntegerEnum(const QMetaEnum &Enum)
{
    IntegerEnums().insert(EnumKey(Enum));
}

bool IsIntegerEnum(const QMetaEnum &Enum)
{
    // Colours and character sets are integers with a few names, whichever unit declares a property of them.
    // Never freed: asked by whatever reads streams at exit.
    static const auto *builtIn =
        new QSet<QByteArray>{"Graphics::TColor", "Graphics::TFontCharset", "Controls::TCursor"};
    const QByteArray key = EnumKey(Enum);
    return builtIn->contains(key) || IntegerEnums().contains(key);
}

// ---------------------------------------------------------------------------------------------
// TStrings

void TStrings::Put(int Index, const QString &S)
{
    TObject *obj = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, obj);
}

TObject *TStrings::GetObject(int) const
{
    return nullptr;
}

void TStrings::PutObject(int, TObject *)
{
}

int TStrings::Add(const QString &S)
{
    const int result = Count();
    Insert(result, S);
    return result;
}

int TStrings::AddObject(const QString &S, TObject *AObject)
{
    const int result = Add(S);
    PutObject(result, AObject);
    return result;
}

void TStrings::InsertObject(int Index, const QString &S, TObject *AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::AddStrings(const TStrings *Strings)
{
    BeginUpdate();
    for (int i = 0; i < Strings->Count(); ++i)
        AddObject(Strings->Get(i), Strings->GetObject(i));
    EndUpdate();
}

int TStrings::IndexOf(const QString &S) const
{
    for (int i = 0; i < Count(); ++i)
        if (Get(i).compare(S, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfName(const QString &Name) const
{
    for (int i = 0; i < Count(); ++i) {
        const QString s = Get(i);
        const qsizetype p = s.indexOf(u'=');
        if (p >= 0 && s.left(p).compare(Name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int TStrings::IndexOfObject(TObject *AObject) const
{
    for (int i = 0; i < Count(); ++i)
        if (GetObject(i) == AObject)
            return i;
    return -1;
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    BeginUpdate();
    const QString s = Get(CurIndex);
    TObject *obj = GetObject(CurIndex);
    Delete(CurIndex);
    InsertObject(NewIndex, s, obj);
    EndUpdate();
}

void TStrings::Exchange(int Index1, int Index2)
{
    BeginUpdate();
    const QString s1 = Get(Index1), s2 = Get(Index2);
    TObject *o1 = GetObject(Index1), *o2 = GetObject(Index2);
    Put(Index1, s2);
    PutObject(Index1, o2);
    Put(Index2, s1);
    PutObject(Index2, o1);
    EndUpdate();
}

QString TStrings::Names(int Index) const
{
    const QString s = Get(Index);
    const qsizetype p = s.indexOf(u'=');
    return p >= 0 ? s.left(p) : QString();
}

QString TStrings::Values(const QString &Name) const
{
    const int i = IndexOfName(Name);
    return i >= 0 ? Get(i).mid(Name.size() + 1) : QString();
}

void TStrings::SetValue(const QString &Name, const QString &Value)
{
    const int i = IndexOfName(Name);
    if (Value.isEmpty()) {
        if (i >= 0)
            Delete(i);
    } else if (i >= 0) {
        Put(i, Name + u'=' + Value);
    } else {
        Add(Name + u'=' + Value);
    }
}

QString TStrings::Text() const
{
    QString result;
    for (int i = 0; i < Count(); ++i) {
        result += Get(i);
        result += QStringLiteral("\r\n");
    }
    return result;
}

void TStrings::SetText(const QString &Value)
{
    BeginUpdate();
    Clear();
    qsizetype start = 0;
    const qsizetype n = Value.size();
    while (start < n) {
        qsizetype p = start;
        while (p < n && Value[p] != u'\r' && Value[p] != u'\n')
            ++p;
        Add(Value.mid(start, p - start));
        if (p < n && Value[p] == u'\r')
            ++p;
        if (p < n && Value[p] == u'\n')
            ++p;
        start = p;
    }
    EndUpdate();
}

QString TStrings::CommaText() const
{
    QStringList parts;
    for (int i = 0; i < Count(); ++i) {
        const QString s = Get(i);
        bool quote = s.isEmpty();
        for (QChar c : s)
            if (c.unicode() <= ' ' || c == u',' || c == u'"')
                quote = true;
        if (quote) {
            QString q = s;
            q.replace(u'"', QStringLiteral("\"\""));
            parts << u'"' + q + u'"';
        } else {
            parts << s;
        }
    }
    return parts.join(u',');
}

void TStrings::SetCommaText(const QString &Value)
{
    BeginUpdate();
    Clear();
    qsizetype i = 0;
    const qsizetype n = Value.size();
    auto skipBlanks = [&] {
        while (i < n && Value[i].unicode() <= ' ')
            ++i;
    };
    skipBlanks();
    while (i < n) {
        QString item;
        if (Value[i] == u'"') {
            ++i;
            while (i < n) {
                if (Value[i] == u'"') {
                    if (i + 1 < n && Value[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += Value[i++];
            }
        } else {
            while (i < n && Value[i].unicode() > ' ' && Value[i] != u',')
                item += Value[i++];
        }
        Add(item);
        skipBlanks();
        if (i < n && Value[i] == u',') {
            ++i;
            skipBlanks();
            if (i == n)
                Add(QString());
        }
    }
    EndUpdate();
}

QStringList TStrings::ToStringList() const
{
    QStringList result;
    result.reserve(Count());
    for (int i = 0; i < Count(); ++i)
        result << Get(i);
    return result;
}

void TStrings::SetStrings(const QStringList &Lines)
{
    BeginUpdate();
    Clear();
    for (const QString &s : Lines)
        Add(s);
    EndUpdate();
}

void TStrings::BeginUpdate()
{
    if (FUpdateCount++ == 0)
        SetUpdateState(true);
}

void TStrings::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        SetUpdateState(false);
}

void TStrings::SetUpdateState(bool)
{
}

void TStrings::Changed()
{
    if (FUpdateCount == 0)
        OnChange(this);
}

void TStrings::Changing()
{
    if (FUpdateCount == 0)
        OnChanging(this);
}

void TStrings::LoadFromFile(const QString &FileName)
{
    QFile f(FileName);
    if (!f.open(QIODevice::ReadOnly))
        throw EStreamError(QStringLiteral("Αδυναμία ανοίγματος του αρχείου %1").arg(FileName));
    SetText(FromCp1253(f.readAll()));
}

void TStrings::SaveToFile(const QString &FileName) const
{
    const QByteArray bytes = ToCp1253(Text(), FileName);
    QSaveFile f(FileName);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw EFCreateError(QStringLiteral("Αδυναμία εγγραφής του αρχείου %1").arg(FileName));
}

void TStrings::Assign(TPersistent *Source)
{
    if (auto *src = qobject_cast<TStrings *>(Source)) {
        BeginUpdate();
        Clear();
        AddStrings(src);
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

bool TStrings::Equals(const TStrings *Strings) const
{
    if (Count() != Strings->Count())
        return false;
    for (int i = 0; i < Count(); ++i)
        if (Get(i) != Strings->Get(i))
            return false;
    return true;
}

void TStrings::Error(const QString &Msg, int Data) const
{
    throw EStringListError(Msg.arg(Data));
}

// ---------------------------------------------------------------------------------------------
// TStringList

TStringList::~TStringList()
{
    FList.clear();
}

QString TStringList::Get(int Index) const
{
    if (Index < 0 || Index >= FList.size())
        Error(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)"), Index);
    return FList[Index].S;
}

void TStringList::Put(int Index, const QString &S)
{
    if (FSorted)
        Error(QStringLiteral("Η λειτουργία δεν επιτρέπεται σε ταξινομημένη λίστα (%1)"), Index);
    if (Index < 0 || Index >= FList.size())
        Error(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)"), Index);
    Changing();
    FList[Index].S = S;
    Changed();
}

TObject *TStringList::GetObject(int Index) const
{
    if (Index < 0 || Index >= FList.size())
        Error(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)"), Index);
    return FList[Index].Object;
}

void TStringList::PutObject(int Index, TObject *AObject)
{
    if (Index < 0 || Index >= FList.size())
        Error(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)"), Index);
    Changing();
    FList[Index].Object = AObject;
    Changed();
}

void TStringList::InsertItem(int Index, const QString &S, TObject *AObject)
{
    Changing();
    FList.insert(Index, Item{S, AObject});
    Changed();
}

void TStringList::Insert(int Index, const QString &S)
{
    if (FSorted)
        Error(QStringLiteral("Η λειτουργία δεν επιτρέπεται σε ταξινομημένη λίστα (%1)"), Index);
    if (Index < 0 || Index > FList.size())
        Error(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)"), Index);
    InsertItem(Index, S, nullptr);
}

int TStringList::Add(const QString &S)
{
    int index = int(FList.size());
    if (FSorted && Find(S, index)) {
        if (FDuplicates == dupIgnore)
            return index;
        if (FDuplicates == dupError)
            Error(QStringLiteral("Η λίστα δεν επιτρέπει διπλές τιμές (%1)"), index);
    }
    InsertItem(index, S, nullptr);
    return index;
}

void TStringList::Delete(int Index)
{
    if (Index < 0 || Index >= FList.size())
        Error(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)"), Index);
    Changing();
    FList.removeAt(Index);
    Changed();
}

void TStringList::Clear()
{
    if (FList.isEmpty())
        return;
    Changing();
    FList.clear();
    Changed();
}

int TStringList::CompareStrings(const QString &S1, const QString &S2) const
{
    return QString::compare(S1, S2, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

int TStringList::IndexOf(const QString &S) const
{
    if (FSorted) {
        int index;
        return Find(S, index) ? index : -1;
    }
    for (int i = 0; i < FList.size(); ++i)
        if (CompareStrings(FList[i].S, S) == 0)
            return i;
    return -1;
}

bool TStringList::Find(const QString &S, int &Index) const
{
    int lo = 0, hi = int(FList.size()) - 1;
    bool found = false;
    while (lo <= hi) {
        const int mid = (lo + hi) / 2;
        const int c = CompareStrings(FList[mid].S, S);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (FDuplicates != dupAccept)
                    lo = mid;
            }
        }
    }
    Index = lo;
    return found;
}

void TStringList::Sort()
{
    CustomSort(
        [](const TStringList *list, int a, int b) { return list->CompareStrings(list->FList[a].S, list->FList[b].S); });
}

void TStringList::CustomSort(const std::function<int(const TStringList *, int, int)> &Compare)
{
    if (FList.size() < 2)
        return;
    Changing();
    // Sort an index permutation so the comparison sees the list as it stands.
    QList<int> order(FList.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
    QList<Item> sorted;
    sorted.reserve(FList.size());
    for (int i : order)
        sorted.append(FList[i]);
    FList = std::move(sorted);
    Changed();
}

void TStringList::SetSorted(bool Value)
{
    if (FSorted == Value)
        return;
    if (Value)
        Sort();
    FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (FCaseSensitive == Value)
        return;
    FCaseSensitive = Value;
    if (FSorted)
        Sort();
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

// ---------------------------------------------------------------------------------------------
// Collections

TCollectionItem::TCollectionItem(TCollection *Collection)
{
    SetCollection(Collection);
}

TCollectionItem::~TCollectionItem()
{
    SetCollection(nullptr);
}

void TCollectionItem::SetCollection(TCollection *Value)
{
    if (FCollection == Value)
        return;
    if (FCollection)
        FCollection->RemoveItem(this);
    if (Value)
        Value->InsertItem(this, Value->Count());
}

int TCollectionItem::Index() const
{
    return FCollection ? int(FCollection->FItems.indexOf(this)) : -1;
}

void TCollectionItem::SetIndex(int Value)
{
    if (!FCollection)
        return;
    const int cur = Index();
    Value = std::clamp(Value, 0, FCollection->Count() - 1);
    if (cur >= 0 && cur != Value) {
        FCollection->FItems.move(cur, Value);
        Changed(true);
    }
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

TPersistent *TCollectionItem::GetOwner()
{
    return FCollection;
}

TCollection::TCollection(const QMetaObject *ItemClass, TCollectionItemFactory Factory, TPersistent *Owner)
    : FItemClass(ItemClass), FFactory(std::move(Factory)), FOwner(Owner)
{
}

TCollection::~TCollection()
{
    FUpdateCount = 1;
    Clear();
}

TCollectionItem *TCollection::Add()
{
    TCollectionItem *item = FFactory(this);
    if (item->FCollection != this)
        item->SetCollection(this);
    return item;
}

TCollectionItem *TCollection::Insert(int Index)
{
    TCollectionItem *item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    delete Items(Index);
}

void TCollection::Clear()
{
    if (FItems.isEmpty())
        return;
    BeginUpdate();
    while (!FItems.isEmpty())
        delete FItems.last();
    EndUpdate();
}

TCollectionItem *TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= FItems.size())
        throw EListError(QStringLiteral("Δείκτης λίστας εκτός ορίων (%1)").arg(Index));
    return FItems[Index];
}

TCollectionItem *TCollection::FindItemID(int ID) const
{
    for (TCollectionItem *item : FItems)
        if (item->FID == ID)
            return item;
    return nullptr;
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Changed();
}

void TCollection::Assign(TPersistent *Source)
{
    if (auto *src = qobject_cast<TCollection *>(Source)) {
        BeginUpdate();
        Clear();
        for (TCollectionItem *item : src->FItems)
            Add()->Assign(item);
        EndUpdate();
        return;
    }
    TPersistent::Assign(Source);
}

void TCollection::Update(TCollectionItem *)
{
    OnChange(this);
}

void TCollection::InsertItem(TCollectionItem *Item, int Index)
{
    FItems.insert(Index, Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    Changed();
}

void TCollection::RemoveItem(TCollectionItem *Item)
{
    FItems.removeAll(Item);
    Item->FCollection = nullptr;
    Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}
