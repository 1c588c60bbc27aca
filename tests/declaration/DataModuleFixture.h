// A program folder in a temporary directory with the data module's tables, filled with small rows, and
// scripted answers to the module's questions.
#pragma once

#include "declaration/APDDataModuleF.h"
#include "vcl/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class DataModuleFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Data = Dir.filePath(QStringLiteral("APDData"));
        QDir().mkpath(Data);
        Previous = SetMessageDlgHandler([this](const TMessageDlgRequest &request) -> TModalResult {
            Asked.push_back(request);
            if (Answers.empty())
                return mrOk;
            const int a = Answers.front();
            Answers.erase(Answers.begin());
            return a;
        });
    }
    void TearDown() override
    {
        Module.reset();
        SetMessageDlgHandler(Previous);
    }

    // Creates every table of the module in the expected structure, with the given rows (by field position).
    void MakeTables(const std::map<QString, std::vector<QVariantList>> &rows = {})
    {
        std::unique_ptr<TAPDDataModule> design(TAPDDataModule::CreateDesign(nullptr));
        design->dbAPD->SetParamValue(QStringLiteral("PATH"), Data);
        for (TTable *t : {design->tbEmployes, design->tbEmployers, design->tbIkaOffices, design->tbInsCases,
                          design->tbPayment, design->tbConPhase}) {
            t->CreateTable();
            auto it = rows.find(t->Name());
            if (it == rows.end())
                continue;
            t->SetReadOnly(false);
            t->Open();
            for (const QVariantList &r : it->second) {
                t->Append();
                for (int i = 0; i < r.size(); ++i)
                    t->Fields().at(i)->SetValue(r[i]);
                t->Post();
            }
            t->Close();
        }
    }

    // The lookup tables' usual contents for the tests.
    std::map<QString, std::vector<QVariantList>> ReferenceRows()
    {
        return {{QStringLiteral("tbPayment"),
                 {{"933110", false, 0, 10.25},
                  {"933110", true, 0, 11.28},
                  {"933110", false, 2, 11.28},
                  {"933110", true, 2, 12.30},
                  {"933120", false, 0, 52.98}}},
                {QStringLiteral("tbInsCases"),
                 {{"781", 0, QStringLiteral("ΟΙΚΟΔΟΜΟΙ"), 19.45, 65.266},
                  {"218", 5, QStringLiteral("ΜΑΘΗΤΕΣ"), 3.78, 40.28}}},
                {QStringLiteral("tbEmployers"),
                 {{"123", QVariant(), QStringLiteral("ΑΛΕΞΙΟΥ"), QStringLiteral("ΝΙΚΟΣ"), QVariant(), QVariant(),
                   QVariant(), QVariant(), false, 0, "933110", "781", QVariant(), 10.0},
                  {"456", QVariant(), QStringLiteral("ΒΑΣΙΛΕΙΟΥ"), QVariant(), QVariant(), QVariant(), QVariant(),
                   QVariant(), true, 2, "933110", QVariant(), QVariant(), QVariant()},
                  {"789", QVariant(), QStringLiteral("ΑΝΤΩΝΙΟΥ"), QVariant(), QVariant(), QVariant(), QVariant(),
                   QVariant(), false, 0, "999999", QVariant(), QVariant(), 30.0}}}};
    }

    void StartModule() { Module = std::make_unique<TAPDDataModule>(nullptr, Dir.path()); }

    QByteArray FileBytes(const QString &name) const
    {
        QFile f(QDir(Data).filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir Dir;
    QString Data;
    std::vector<TMessageDlgRequest> Asked;
    std::vector<TModalResult> Answers;
    TMessageDlgHandler Previous;
    std::unique_ptr<TAPDDataModule> Module;
};
