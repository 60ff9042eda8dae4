// The File menu's captions of recent files: names alike told apart by their folders.

#include "recent_captions.h"

#include <QDir>

#include <gtest/gtest.h>

namespace velmarsund {
namespace {

QString Native(const char* text) {
    return QDir::toNativeSeparators(QString::fromUtf8(text));
}

TEST(RecentFileCaptions, NamesAlikeGetJustEnoughOfTheirFolders) {
    struct Case {
        QStringList paths;
        QStringList expected;
    };
    const std::vector<Case> cases{
        {{u"/p/Nordhafen/AHU-1.vrsel"_qs, u"/p/Suedpark/AHU-2.vrsel"_qs},
         {u"AHU-1.vrsel"_qs, u"AHU-2.vrsel"_qs}},
        {{u"/p/Nordhafen/AHU-1.vrsel"_qs, u"/p/Suedpark/ahu-1.VRSEL"_qs, u"/p/x/Other.vrsel"_qs},
         {QStringLiteral("AHU-1.vrsel (…/") + Native("Nordhafen)"),
          QStringLiteral("ahu-1.VRSEL (…/") + Native("Suedpark)"), u"Other.vrsel"_qs}},
        // the nearest folders are alike too: one more each
        {{u"/2024/A/AHU-1.vrsel"_qs, u"/2025/A/AHU-1.vrsel"_qs},
         {QStringLiteral("AHU-1.vrsel (") + Native("2024/A)"),
          QStringLiteral("AHU-1.vrsel (") + Native("2025/A)")}},
        // a file in the root beside a deeper one of the same name
        {{u"/AHU-1.vrsel"_qs, u"/p/AHU-1.vrsel"_qs},
         {QStringLiteral("AHU-1.vrsel (") + Native("/)"), u"AHU-1.vrsel (p)"_qs}},
        {{}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecentFileCaptions(c.paths), c.expected) << c.paths.join(u',').toStdString();
}

} // namespace
} // namespace velmarsund
