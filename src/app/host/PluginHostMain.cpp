// znackar-plugin-host: loads one plug-in library, answers one request of the editor and ends.
// The editor runs plug-ins here so that a plug-in that crashes or hangs cannot harm a document.
#include "app/PluginWire.h"

#include <znackar_plugin.h>

#include <cstdio>
#include <dlfcn.h>
#include <iostream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace {

using VersionFn = int (*)();
using NameFn = size_t (*)(char*, size_t);
using PictureFn = int (*)(unsigned char*);
using TextFn = void (*)(void*, const char*, size_t, int, unsigned char*, const char*, size_t,
                        const char*, size_t, int, int, char**, size_t*);
using FreeFn = void (*)(char*);
using AboutFn = void (*)();

template <class Fn>
Fn Export(void* module, const char* name) {
    return reinterpret_cast<Fn>(::dlsym(module, name));
}

zn::app::PluginMessage Info(void* module) {
    std::string name;
    if (auto getName = Export<NameFn>(module, "GetName")) {
        name.resize(256);
        const size_t n = getName(name.data(), name.size());
        if (n > name.size()) {
            name.resize(n);
            getName(name.data(), name.size());
        }
        name.resize(std::min(n, name.size()));
    }
    std::string picture;
    if (auto pic = Export<PictureFn>(module, "PlugInPic")) {
        picture.assign(ZN_PLUGIN_PICTURE_BYTES, '\0');
        if (pic(reinterpret_cast<unsigned char*>(picture.data())) == 0) {
            picture.clear();
        }
    }
    return {"ok", name, picture};
}

zn::app::PluginMessage Run(void* module, const zn::app::PluginMessage& request) {
    auto getText = Export<TextFn>(module, "GetText");
    if (getText == nullptr || request.size() != 7) {
        return {"error", "nogettext"};
    }
    const std::string& selection = request[1];
    const std::string& text = request[3];
    const std::string& tag = request[4];
    unsigned char action = ZN_ACTION_NONE;
    char* result = nullptr;
    size_t length = 0;
    getText(nullptr, selection.c_str(), selection.size(), request[2] == "1" ? 1 : 0, &action,
            text.c_str(), text.size(), tag.c_str(), tag.size(), std::stoi(request[5]),
            std::stoi(request[6]), &result, &length);
    std::string out = result != nullptr ? std::string(result, length) : std::string();
    if (result != nullptr) {
        if (auto freeText = Export<FreeFn>(module, "FreeText")) {
            freeText(result);
        }
    }
    return {"ok", std::string(1, static_cast<char>(action)), out};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: znackar-plugin-host LIBRARY < request\n");
        return 2;
    }
    // The reply goes to a private copy of the output; what the plug-in prints goes to stderr.
    const int reply = ::dup(1);
    ::dup2(2, 1);
    std::string bytes((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    const auto request = zn::app::DecodePluginMessage(bytes);
    zn::app::PluginMessage answer;
    void* module = ::dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
    auto version = module != nullptr ? Export<VersionFn>(module, "ZnPluginVersion") : nullptr;
    if (!request || request->empty()) {
        answer = {"error", "request"};
    } else if (module == nullptr) {
        answer = {"error", "load"};
    } else if (version == nullptr || version() != ZN_PLUGIN_INTERFACE_VERSION) {
        answer = {"error", "version"};
    } else if ((*request)[0] == "info") {
        answer = Info(module);
    } else if ((*request)[0] == "run") {
        answer = Run(module, *request);
    } else if ((*request)[0] == "about") {
        if (auto about = Export<AboutFn>(module, "About")) {
            about();
        }
        answer = {"ok"};
    } else {
        answer = {"error", "request"};
    }
    const std::string out = zn::app::EncodePluginMessage(answer);
    size_t sent = 0;
    while (sent < out.size()) {
        const ssize_t w = ::write(reply, out.data() + sent, out.size() - sent);
        if (w <= 0) {
            return 1;
        }
        sent += static_cast<size_t>(w);
    }
    // Leaves at once: a plug-in's static destructors have no say in the reply.
    ::_exit(0);
}
