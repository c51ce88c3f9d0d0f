// The application title and the full-stop rule of error texts.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "app/messages.h"

TEST(TitleFromExecutable, KeepsTheFirstCharacterAndLowersTheRestUpToTheFirstPoint) {
    const std::pair<const char*, const char*> cases[] = {
        {"Project1", "Project1"},
        {"/usr/local/bin/Project1", "Project1"},
        {"my.app.bin", "my"},
        {"/opt/graph/my.app.bin", "my"},
        {"GRAPH", "Graph"},
        {"pROJECT1.exe", "project1"},
        {"ПУТЬ.bin", "Путь"},
        {".hidden", ""},
        {"", ""},
    };
    for (const auto& [path, title] : cases) {
        EXPECT_EQ(app::TitleFromExecutable(QString::fromUtf8(path)), QString::fromUtf8(title))
            << path;
    }
    EXPECT_EQ(app::ApplicationTitle(), "messages_test");
}

TEST(WithFullStop, AppendsOnlyAfterACharacterAboveThePoint) {
    const std::pair<const char*, const char*> cases[] = {
        // At or below ".": unchanged.
        {"", ""},
        {"Done.", "Done."},
        {"Stop!", "Stop!"},
        {"a, b,", "a, b,"},
        {"dash-", "dash-"},
        {"space ", "space "},
        {"quote'", "quote'"},
        // Above ".": a full stop follows.
        {"slash/", "slash/."},
        {"Cannot open file 1.bmp", "Cannot open file 1.bmp."},
        {"'x' is not a valid integer value", "'x' is not a valid integer value."},
        {"digit 7", "digit 7."},
        {"нет пути", "нет пути."},
    };
    for (const auto& [message, shown] : cases) {
        EXPECT_EQ(app::WithFullStop(QString::fromUtf8(message)), QString::fromUtf8(shown))
            << message;
    }
}
