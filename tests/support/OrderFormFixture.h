#pragma once

#include "order/OrderForm.h"
#include "order/OrderFormControls.h"
#include "support/FakeClock.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDataFolder.h"

#include <gtest/gtest.h>
#include <memory>

// A real order form on a fresh data folder, with scripted dialogs and a clock
// standing at 2024-03-07 09:05:00.
class OrderFormFixture : public ::testing::Test {
protected:
    OrderFormFixture()
        : clock(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 0)))
    {
    }
    void SetUp() override { form = std::make_unique<OrderForm>(data.db(), data.quantityDecimals()); }
    void TearDown() override { form.reset(); }

    OrderFormControls& ui() { return form->ui(); }

    FakeClock clock;
    ScriptedDialogs dialogs;
    TestDataFolder data;
    std::unique_ptr<OrderForm> form;
};
