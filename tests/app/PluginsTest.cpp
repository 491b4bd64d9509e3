// Plug-ins run through the host: loading, installing, the list in the store, and the answers
// applied to the text, including plug-ins that crash, hang or are not plug-ins at all.
#include "app/Plugins.h"
#include "app/PluginWire.h"
#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "base/TempFolder.h"
#include "editor/THTMLRichEdit.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

using namespace zn::app;
using zn::editor::THTMLRichEdit;
using zn::test::TempFolder;

namespace {

std::string TestPlugin(const std::string& name) {
    return std::string(ZN_TEST_PLUGIN_DIR) + "/" + name + ".so";
}

std::string ExamplePlugin(const std::string& name) {
    return std::string(ZN_EXAMPLE_PLUGIN_DIR) + "/" + name + ".so";
}

PluginHost Host(int timeoutMs = 10000) {
    return PluginHost{ZN_PLUGIN_HOST, timeoutMs, timeoutMs};
}

/// A control holding text with the selection from `start` over `length` characters.
void Prepare(THTMLRichEdit& edit, std::string_view text, int start, int length) {
    edit.Model().Load(text);
    edit.Model().Select(start, length);
    edit.UpdateCurrentTag();
}

} // namespace

TEST(PluginWire, RoundTripsAndRefusesDamagedMessages) {
    const PluginMessage message = {"run", "", std::string("a\0b", 3), std::string(70000, 'x')};
    const std::string bytes = EncodePluginMessage(message);
    EXPECT_EQ(DecodePluginMessage(bytes), message);
    EXPECT_FALSE(DecodePluginMessage(bytes.substr(0, bytes.size() - 1)));
    EXPECT_FALSE(DecodePluginMessage(bytes + "z"));
    EXPECT_FALSE(DecodePluginMessage(std::string("\xFF\xFF\xFF\x7F", 4)));
}

TEST(Plugins, SplitsTheStoredValueAtTheFirstCommaAndReadsAtMost15Characters) {
    struct Case {
        const char* value;
        const char* path;
        const char* shortcut;
    } cases[] = {{"/a/b.so,Ctrl+F5", "/a/b.so", "Ctrl+F5"},
                 {"/a/b.so", "/a/b.so", ""},
                 {"/a/b.so,", "/a/b.so", ""},
                 {"/a/b.so,Shift+Ctrl+Alt+F12,x", "/a/b.so", "Shift+Ctrl+Alt+"}};
    for (const Case& c : cases) {
        std::string path, shortcut;
        SplitPluginValue(c.value, path, shortcut);
        EXPECT_EQ(path, c.path) << c.value;
        EXPECT_EQ(shortcut, c.shortcut) << c.value;
    }
}

TEST(Plugins, InstallReadsNameAndPictureAndRefusesTwiceAndNonPlugins) {
    TPlugins plugins(Host());
    EXPECT_EQ(plugins.InstallPlugin(TestPlugin("echo-a")), "");
    ASSERT_EQ(plugins.Items().size(), 1u);
    EXPECT_EQ(plugins.Items()[0].Name, "Ozv\xECna");
    ASSERT_EQ(plugins.Items()[0].Picture.size(), 1024u);
    EXPECT_EQ(plugins.Items()[0].Picture[0], 0xFF);
    EXPECT_EQ(plugins.Items()[0].ShortCut, "");

    std::string upper = TestPlugin("echo-a");
    upper.replace(upper.size() - 9, 4, "ECHO");
    EXPECT_EQ(plugins.InstallPlugin(upper), "Plug-in " + upper + " je již nainstalován");

    for (const char* name : {"not-a-plugin", "other-version", "missing"}) {
        const std::string path = TestPlugin(name);
        EXPECT_EQ(plugins.InstallPlugin(path), path + " není plug-in do Editoru!");
    }
    EXPECT_EQ(plugins.Items().size(), 1u);
}

TEST(Plugins, ListSurvivesTheStoreAndDeletedLibrariesAreUnregistered) {
    TempFolder folder;
    const std::string copy = folder.File("gone.so");
    std::filesystem::copy_file(TestPlugin("echo-b"), copy);
    SettingsStore store(":memory:");
    {
        TPlugins plugins(Host());
        ASSERT_EQ(plugins.InstallPlugin(TestPlugin("echo-a")), "");
        ASSERT_EQ(plugins.InstallPlugin(copy), "");
        ASSERT_TRUE(plugins.SetShortcut(TestPlugin("echo-a"), "Ctrl+Shift+F5"));
        ASSERT_TRUE(plugins.SavePlugins(store));
    }
    EXPECT_EQ(store.ReadString(PluginsKey, "0"), TestPlugin("echo-a") + ",Ctrl+Shift+F5");
    std::filesystem::remove(copy);

    TPlugins plugins(Host());
    EXPECT_EQ(plugins.LoadPlugins(store),
              "Tyto plug-iny byly kvůli chybě odregistrovány:\r\n  - " + copy + "\r\n");
    ASSERT_EQ(plugins.Items().size(), 1u);
    EXPECT_EQ(plugins.Items()[0].ShortCut, "Ctrl+Shift+F5");
    ASSERT_TRUE(plugins.SavePlugins(store));
    EXPECT_EQ(store.ValueCount(PluginsKey), 1);
    EXPECT_EQ(plugins.LoadPlugins(store), "");

    // Without the host program the list is kept, not unregistered.
    TPlugins hostless(PluginHost{folder.File("no-host"), 1000, 1000});
    EXPECT_EQ(hostless.LoadPlugins(store),
              "Plug-iny nelze spustit: chybí pomocný program " + folder.File("no-host") + ".");
    ASSERT_TRUE(hostless.SavePlugins(store));
    EXPECT_EQ(store.ValueCount(PluginsKey), 1);
}

TEST(Plugins, ActionsReplaceSelectionOrWholeTextOrNothingAsOneUndoStep) {
    TPlugins plugins(Host());
    ASSERT_EQ(plugins.InstallPlugin(TestPlugin("echo-a")), "");
    const std::string path = TestPlugin("echo-a");
    struct Case {
        const char* text;
        int start, length;
        const char* expected;
        int caret;
    } cases[] = {
        // action 0 with a selection: "xy" replaced, caret at its start
        {"0 xy <b>", 2, 2, "0 A1(xy)[]0:4 <b>", 2},
        // action 0 without a selection: inserted at the caret, which is inside a tag
        {"0\r\n<b id>", 6, 0, "0\r\n<b A1()[b id]1:3id>", 6},
        // action 1: the whole text
        {"1 xy", 2, 1, "A1(x)[]0:3", 0},
        // action 2: nothing
        {"2 xy", 2, 2, "2 xy", 2},
    };
    for (const Case& c : cases) {
        THTMLRichEdit edit;
        Prepare(edit, c.text, c.start, c.length);
        EXPECT_EQ(plugins.RunPlugin(path, edit, true), "") << c.text;
        EXPECT_EQ(edit.Model().Text(), c.expected) << c.text;
        EXPECT_EQ(edit.Model().SelStart(), c.caret) << c.text;
        if (std::string(c.text) != c.expected) {
            edit.Undo();
            EXPECT_EQ(edit.Model().Text(), c.text) << "one undo step: " << c.text;
        }
    }
}

TEST(Plugins, ResultIsColouredAsTheTextItBecomes) {
    for (int action : {0, 1}) {
        THTMLRichEdit edit;
        edit.SyntaxHighLighting = true;
        Prepare(edit, "<p>x</p>", 0, 4); // the selection starts in a tag's colour
        edit.ColorAll();
        ApplyPluginResult(edit, action, "ab<i>c");
        const auto& model = edit.Model();
        const zn::editor::Position start = 0; // both put the result at the start
        EXPECT_EQ(model.ColorAt(start), zn::editor::ColorKind::Text) << action;
        EXPECT_EQ(model.ColorAt(start + 1), zn::editor::ColorKind::Text) << action;
        EXPECT_NE(model.ColorAt(start + 3), zn::editor::ColorKind::Text) << action; // "i"
        EXPECT_EQ(model.ColorAt(start + 5), zn::editor::ColorKind::Text) << action;
    }
}

TEST(Plugins, TwoPluginsWithOneNameEachRunTheirOwnLibrary) {
    TPlugins plugins(Host());
    ASSERT_EQ(plugins.InstallPlugin(TestPlugin("echo-a")), "");
    ASSERT_EQ(plugins.InstallPlugin(TestPlugin("echo-b")), "");
    EXPECT_EQ(plugins.Items()[0].Name, plugins.Items()[1].Name);
    for (const char* mark : {"A", "B"}) {
        THTMLRichEdit edit;
        Prepare(edit, "1", 0, 0);
        EXPECT_EQ(
            plugins.RunPlugin(TestPlugin(std::string("echo-") + char(mark[0] + 32)), edit, false),
            "");
        EXPECT_EQ(edit.Model().Text(), std::string(mark) + "0()[]0:0");
    }
}

TEST(Plugins, CrashingOrHangingOrVanishedPluginLeavesTheDocumentAlone) {
    TempFolder folder;
    const std::string vanishing = folder.File("vanishing.so");
    std::filesystem::copy_file(TestPlugin("echo-a"), vanishing);
    TPlugins plugins(Host(400));
    for (const std::string& path : {TestPlugin("crash"), TestPlugin("hang"), vanishing}) {
        ASSERT_EQ(plugins.InstallPlugin(path), "") << path;
    }
    std::filesystem::remove(vanishing);
    struct Case {
        std::string path;
        std::string message;
    } cases[] = {
        {TestPlugin("crash"),
         "Plug-in " + TestPlugin("crash") + " skončil chybou; dokument zůstal beze změny."},
        {TestPlugin("hang"),
         "Plug-in " + TestPlugin("hang") +
             " neodpověděl do 0.4 s a byl ukončen; dokument zůstal beze změny."},
        {vanishing, "Plug-in " + vanishing + " nelze načíst; dokument zůstal beze změny."},
    };
    // In a sanitized build the helper would spend the time limit writing its crash report.
    const char* const sanitizer = std::getenv("ASAN_OPTIONS");
    const std::string kept = sanitizer ? sanitizer : "";
    setenv("ASAN_OPTIONS", (kept.empty() ? "" : kept + ":").append("handle_segv=0").c_str(), 1);
    for (const Case& c : cases) {
        THTMLRichEdit edit;
        Prepare(edit, "1 <p>text</p>", 2, 3);
        const auto began = std::chrono::steady_clock::now();
        EXPECT_EQ(plugins.RunPlugin(c.path, edit, false), c.message);
        EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(5)) << c.path;
        EXPECT_EQ(edit.Model().Text(), "1 <p>text</p>");
        EXPECT_FALSE(edit.Model().Modified());
        EXPECT_EQ(edit.Model().SelStart(), 2);
        EXPECT_EQ(edit.Model().SelLength(), 3);
    }
    if (sanitizer) {
        setenv("ASAN_OPTIONS", kept.c_str(), 1);
    } else {
        unsetenv("ASAN_OPTIONS");
    }
}

TEST(Plugins, ExamplePluginsWriteEntitiesAndStripTags) {
    TPlugins plugins(Host());
    ASSERT_EQ(plugins.InstallPlugin(ExamplePlugin("czech-entities")), "");
    ASSERT_EQ(plugins.InstallPlugin(ExamplePlugin("strip-tags")), "");
    struct Case {
        const char* plugin;
        const char* text;
        int start, length;
        const char* expected;
    } cases[] = {
        {"czech-entities", "<b>\xC8\x65\x9A\x74\xEDna \xF9</b>", 0, 0,
         "<b>&#268;e&scaron;t&iacute;na &#367;</b>"},
        {"czech-entities", "\xE1\xE1", 1, 1, "\xE1&aacute;"},
        {"strip-tags", "<p><b>tu</b>k <i>x</i></p>", 3, 19, "<p>tuk x</p>"},
        {"strip-tags", "<p>x</p>", 0, 0, "<p>x</p>"},
    };
    for (const Case& c : cases) {
        THTMLRichEdit edit;
        Prepare(edit, c.text, c.start, c.length);
        EXPECT_EQ(plugins.RunPlugin(ExamplePlugin(c.plugin), edit, true), "") << c.plugin;
        EXPECT_EQ(edit.Model().Text(), c.expected) << c.plugin;
    }
}
