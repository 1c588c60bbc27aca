// An employees table in a temporary folder, reached through a database component, for the tests of the
// grid, the data-aware controls and the dataset pickers.
#pragma once

#include "db/DBTables.h"
#include "db/TableStore.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

// Types text into a widget key by key (the test library's key clicks know only ASCII).
inline void TypeText(QWidget *widget, const QString &text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

struct TEmployeesFolder {
    static inline const QString Register = QStringLiteral("ΑΡΙΘΜ.ΜΗΤΡΩΟΥ ΑΣΦ.");

    explicit TEmployeesFolder(int rows = 6)
    {
        RegisterDBClasses();
        Db = new TDatabase(&Owner);
        Db->SetDatabaseName(QStringLiteral("TestApd"));
        Db->SetParamValue(QStringLiteral("PATH"), Dir.path());
        static const char16_t *const surnames[] = {u"Παπαδόπουλος", u"Αλεξίου",  u"Γεωργίου",   u"Βασιλείου",
                                                   u"Δημητρίου",    u"Ζαχαρίου", u"Ηλιόπουλος", u"Θεοδώρου"};
        static const char16_t *const names[] = {u"Νίκος", u"Μαρία", u"Γιώργος", u"Ελένη"};
        std::vector<TRowValues> data;
        for (int i = 0; i < rows; ++i)
            data.push_back({QStringLiteral("%1").arg(1000 + i * 7, 10, 10, QLatin1Char('0')),
                            QString::fromUtf16(surnames[i % 8]) + (i >= 8 ? QString::number(i) : QString()),
                            QString::fromUtf16(names[i % 4]), QStringLiteral("Εργάτης %1").arg(rows - i), i % 2 == 0,
                            i % 4, QVariant::fromValue(Currency::FromRaw(qint64(500000 + i * 12345)))});
        TTableStore::CreateFile(Dir.filePath(QStringLiteral("Employers.db")),
                                {{Register, ftString, 10, true, 1},
                                 {QStringLiteral("ΕΠΩΝΥΜΟ"), ftString, 20, false, 2},
                                 {QStringLiteral("ΟΝΟΜΑ"), ftString, 15, false, 3},
                                 {QStringLiteral("ΠΕΡΙΓΡΑΦΗ"), ftString, 20, false, 4},
                                 {QStringLiteral("ΕΓΓΑΜΟΣ"), ftBoolean, 0, false, 5},
                                 {QStringLiteral("ΤΡΙΕΤΙΕΣ"), ftSmallint, 0, false, 6},
                                 {QStringLiteral("ΕΠΙΔΟΜΑ"), ftCurrency, 0, false, 7}},
                                {{QStringLiteral("primary"), Register, ixPrimary | ixUnique},
                                 {QStringLiteral("Ονομαστικά"), QStringLiteral("ΕΠΩΝΥΜΟ;ΟΝΟΜΑ"), ixCaseInsensitive},
                                 {QStringLiteral("Περιγραφη"), QStringLiteral("ΠΕΡΙΓΡΑΦΗ"), ixCaseInsensitive}},
                                data);
    }
    TTable *Table(TComponent *owner = nullptr)
    {
        auto *t = new TTable(owner ? owner : &Owner);
        t->SetName(QStringLiteral("tbEmployers%1").arg(++Count));
        t->SetDatabaseName(QStringLiteral("TestApd"));
        t->SetTableName(QStringLiteral("Employers.db"));
        return t;
    }
    QTemporaryDir Dir;
    TComponent Owner{nullptr};
    TDatabase *Db = nullptr;
    int Count = 0;
};
