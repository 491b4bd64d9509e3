/* Test plug-in: loads like any other and never returns when it runs. */
#include <znackar_plugin.h>

#include <unistd.h>

ZN_PLUGIN_EXPORT int ZnPluginVersion(void) {
    return ZN_PLUGIN_INTERFACE_VERSION;
}

ZN_PLUGIN_EXPORT void GetText(void* mainWindow, const char* selection, size_t selectionLength,
                              int upperCaseTags, unsigned char* action, const char* text,
                              size_t textLength, const char* tag, size_t tagLength, int column,
                              int line, char** result, size_t* resultLength) {
    (void)mainWindow, (void)selection, (void)selectionLength, (void)upperCaseTags, (void)text;
    (void)textLength, (void)tag, (void)tagLength, (void)column, (void)line, (void)result;
    (void)resultLength;
    *action = ZN_ACTION_REPLACE_ALL;
    for (;;) {
        pause();
    }
}
