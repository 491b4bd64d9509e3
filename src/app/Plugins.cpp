// Installed plug-ins: loading, saving, installing, removing and running them through the host.
#include "app/Plugins.h"

#include "app/SettingsKeys.h"
#include "app/SettingsStore.h"
#include "editor/LineEnds.h"
#include "editor/THTMLRichEdit.h"

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace zn::app {
namespace {

/// File names compare without regard to the case of ASCII letters.
bool SamePath(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

std::string Format(std::string_view pattern, std::string_view path) {
    std::string out(pattern);
    const auto at = out.find("%s");
    if (at != std::string::npos) {
        out.replace(at, 2, path);
    }
    return out;
}

/// The Czech message about a call that gave no usable answer, or "" for an answer.
std::string Failure(const HostReply& reply, std::string_view path, int timeoutMs) {
    switch (reply.State) {
    case HostReply::Status::Ok:
        if (reply.Fields[0] == "ok") {
            return "";
        }
        if (reply.Fields.size() > 1 && reply.Fields[1] == "nogettext") {
            return Format("Plug-in %s nemá funkci GetText.", path);
        }
        if (reply.Fields.size() > 1 && reply.Fields[1] == "load") {
            return Format("Plug-in %s nelze načíst; dokument zůstal beze změny.", path);
        }
        return Format("%s není plug-in do Editoru!", path);
    case HostReply::Status::Crashed:
        return Format("Plug-in %s skončil chybou; dokument zůstal beze změny.", path);
    case HostReply::Status::TimedOut: {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%g", timeoutMs / 1000.0);
        return Format("Plug-in %s neodpověděl do ", path) + seconds +
               " s a byl ukončen; dokument zůstal beze změny.";
    }
    case HostReply::Status::NoHost:
        break;
    }
    return Format("Plug-in %s nelze spustit: chybí pomocný program znackar-plugin-host.", path);
}

} // namespace

void SplitPluginValue(std::string_view value, std::string& path, std::string& shortcut) {
    const auto comma = value.find(',');
    path.assign(value.substr(0, comma));
    shortcut.clear();
    if (comma != std::string_view::npos) {
        shortcut.assign(value.substr(comma + 1, 15));
    }
}

std::string TPlugins::LoadItem(const std::string& path, TPIItem& item) const {
    const HostReply reply = CallPluginHost(host_.HostPath, path, {"info"}, host_.LoadTimeoutMs);
    std::string message = Failure(reply, path, host_.LoadTimeoutMs);
    if (!message.empty()) {
        return message;
    }
    item.Path = path;
    item.Name = reply.Fields.size() > 1 ? reply.Fields[1] : "";
    item.Picture.clear();
    if (reply.Fields.size() > 2 && reply.Fields[2].size() == 16 * 16 * 4) {
        item.Picture.assign(reply.Fields[2].begin(), reply.Fields[2].end());
    }
    return "";
}

std::string TPlugins::LoadPlugins(SettingsStore& store) {
    items_.clear();
    store.CreateKey(PluginsKey);
    const int count = store.ValueCount(PluginsKey);
    std::string failed;
    // Without the host no plug-in can answer; that is no reason to forget them all.
    const bool hostMissing = ::access(host_.HostPath.c_str(), X_OK) != 0;
    for (int i = 0; i < count; ++i) {
        const auto value = store.ReadString(PluginsKey, std::to_string(i));
        if (!value) {
            continue;
        }
        TPIItem item;
        std::string path;
        SplitPluginValue(*value, path, item.ShortCut);
        if (hostMissing) {
            item.Path = path;
            items_.push_back(std::move(item));
            continue;
        }
        if (LoadItem(path, item).empty()) {
            items_.push_back(std::move(item));
            continue;
        }
        if (failed.empty()) {
            failed = UnregisteredHeading;
        }
        failed += "  - " + path + "\r\n";
    }
    if (hostMissing && !items_.empty()) {
        return Format("Plug-iny nelze spustit: chybí pomocný program %s.", host_.HostPath);
    }
    return failed;
}

bool TPlugins::SavePlugins(SettingsStore& store) const {
    std::vector<std::string> values;
    for (const TPIItem& item : items_) {
        values.push_back(item.Path + "," + item.ShortCut);
    }
    return store.WriteStringList(PluginsKey, values, 0);
}

std::string TPlugins::InstallPlugin(const std::string& path) {
    for (const TPIItem& item : items_) {
        if (SamePath(item.Path, path)) {
            return Format("Plug-in %s je již nainstalován", path);
        }
    }
    TPIItem item;
    const std::string message = LoadItem(path, item);
    if (!message.empty()) {
        // A library that does not answer as a plug-in is not one, whatever the reason.
        return Format("%s není plug-in do Editoru!", path);
    }
    items_.push_back(std::move(item));
    return "";
}

bool TPlugins::RemovePlugin(std::string_view path) {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [&](const TPIItem& item) { return item.Path == path; });
    if (it == items_.end()) {
        return false;
    }
    items_.erase(it);
    return true;
}

bool TPlugins::SetShortcut(std::string_view path, std::string_view shortcut) {
    for (TPIItem& item : items_) {
        if (item.Path == path) {
            item.ShortCut.assign(shortcut.substr(0, 15));
            return true;
        }
    }
    return false;
}

const TPIItem* TPlugins::Find(std::string_view path) const {
    for (const TPIItem& item : items_) {
        if (item.Path == path) {
            return &item;
        }
    }
    return nullptr;
}

std::string TPlugins::ShowAbout(std::string_view path) const {
    if (Find(path) == nullptr) {
        return "";
    }
    const std::string file(path);
    const HostReply reply = CallPluginHost(host_.HostPath, file, {"about"}, host_.TimeoutMs);
    return Failure(reply, file, host_.TimeoutMs);
}

std::string TPlugins::RunPlugin(std::string_view path, editor::THTMLRichEdit& edit,
                                bool upperCaseTags) const {
    if (Find(path) == nullptr) {
        return "";
    }
    const editor::TextModel& model = edit.Model();
    const editor::Position caret = model.Sel().caret;
    const PluginMessage request = {"run",
                                   model.SelText(),
                                   upperCaseTags ? "1" : "0",
                                   model.Text(),
                                   edit.InTag ? edit.CurrentTagText : std::string(),
                                   std::to_string(model.Column(caret)),
                                   std::to_string(model.LineFromPosition(caret))};
    const std::string file(path);
    const HostReply reply = CallPluginHost(host_.HostPath, file, request, host_.TimeoutMs);
    std::string message = Failure(reply, file, host_.TimeoutMs);
    if (!message.empty()) {
        return message;
    }
    if (reply.Fields.size() != 3 || reply.Fields[1].size() != 1) {
        return Format("Plug-in %s skončil chybou; dokument zůstal beze změny.", file);
    }
    ApplyPluginResult(edit, static_cast<unsigned char>(reply.Fields[1][0]), reply.Fields[2]);
    return "";
}

void ApplyPluginResult(editor::THTMLRichEdit& edit, int action, std::string_view result) {
    if (action != 0 && action != 1) {
        return;
    }
    editor::TextModel& model = edit.Model();
    // The text model keeps CR LF line ends; a plug-in may return other ones.
    const std::string text = editor::NormalizeLineEnds(result);
    const auto length = static_cast<editor::Position>(text.size());
    editor::UndoGroup group(model);
    // The new text takes the colour of the place it goes to; recolouring paints only its
    // tags, so the rest is made plain text first.
    const auto plain = [&](editor::Position from, editor::Position n) {
        if (edit.SyntaxHighLighting && n > 0) {
            model.SetColors(from, n, editor::ColorKind::Text);
        }
    };
    if (action == 0) {
        const editor::Position p = model.SelStart();
        model.ReplaceSelection(text);
        model.SetCaret(p);
        plain(p, length);
        edit.ColorFrom(p, p + length);
    } else {
        model.Select(0, model.Length());
        model.ReplaceSelection(text);
        model.SetCaret(0);
        plain(0, length);
        edit.ColorAll();
    }
}

} // namespace zn::app
