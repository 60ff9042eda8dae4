#pragma once
// The main window started as the program starts it, in a settings folder of the test's own, with
// the seams recording every dialog and message.

#include "basis_settings.h"
#include "form_rotor.h"
#include "ini_datei.h"
#include "language_choice.h"
#include "program_fonts.h"
#include "recording_seams.h"
#include "text_table.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace velmarsund::testing {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(TIniDatei::AppDataFolder()).removeRecursively();
        SetSystemLocaleSource([] { return QLocale(QStringLiteral("en_US")); });
        ApplyLanguageFonts(Language::English); // the window font of the program, as at its start
    }
    void TearDown() override
    {
        window_.reset();
        SetSystemLocaleSource({});
        SetCurrentLanguage(Language::English);
    }

    TFormRotor& StartWindow()
    {
        SetCurrentLanguage(ReadLanguage(kSettingsFileName, kGlobalSection, kLanguageKey));
        window_ = std::make_unique<TFormRotor>();
        window_->Start();
        window_->show();
        QApplication::setActiveWindow(window_.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        return *window_;
    }

    template <typename T>
    static T* Get(QObject& w, const char* name)
    {
        T* child = w.findChild<T*>(QLatin1String(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    void Calculate() { Get<QPushButton>(*window_, "Button_Berechnen")->click(); }

    RecordingSeams seams_;
    std::unique_ptr<TFormRotor> window_;
};

} // namespace velmarsund::testing
