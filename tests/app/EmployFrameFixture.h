// A data module over temporary tables built from the shipped reference CSVs, with a few employees, and
// employee pages to compute on.
#pragma once

#include "app/EmployerFrameF.h"
#include "declaration/APDDataModuleF.h"
#include "vcl/DialogService.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

class EmployFrameFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Fills one line as an employee pick would: the boxes of rows 22 to 31, 33 and 35 in the page's
    // component order (27, 22, 23 ... 35).
    void PickEmployee(TEmployFrame *page, int line, const QString &registerNumber);

    QTemporaryDir Dir;
    std::vector<QString> Errors;
    DialogService::Hook Previous;
    std::unique_ptr<TAPDDataModule> Module;
};

// The dates of a day at 00:00.
TDateTime Day(int y, int m, int d);
