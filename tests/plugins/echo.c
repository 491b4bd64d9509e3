/* Test plug-in: answers with the action given by the first byte of the document ("0", "1",
 * "2") and a text that shows which library answered and what arguments it got. */
#include <znackar_plugin.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

ZN_PLUGIN_EXPORT int ZnPluginVersion(void) {
    return ZN_PLUGIN_INTERFACE_VERSION;
}

ZN_PLUGIN_EXPORT size_t GetName(char* name, size_t capacity) {
    static const char text[] = "Ozv\xECna"; /* the same in both builds */
    memcpy(name, text, sizeof text - 1 < capacity ? sizeof text - 1 : capacity);
    return sizeof text - 1;
}

ZN_PLUGIN_EXPORT int PlugInPic(unsigned char* rgba) {
    rgba[0] = 0xFF, rgba[3] = 0xFF; /* one red pixel at the top left */
    return 1;
}

ZN_PLUGIN_EXPORT void GetText(void* mainWindow, const char* selection, size_t selectionLength,
                              int upperCaseTags, unsigned char* action, const char* text,
                              size_t textLength, const char* tag, size_t tagLength, int column,
                              int line, char** result, size_t* resultLength) {
    (void)mainWindow;
    *action = textLength > 0 ? (unsigned char)(text[0] - '0') : ZN_ACTION_NONE;
    char* out = malloc(selectionLength + tagLength + 64);
    int n = sprintf(out, "%s%d(", ECHO_MARK, upperCaseTags);
    memcpy(out + n, selection, selectionLength);
    n += (int)selectionLength;
    n += sprintf(out + n, ")[");
    memcpy(out + n, tag, tagLength);
    n += (int)tagLength;
    n += sprintf(out + n, "]%d:%d", line, column);
    *result = out;
    *resultLength = (size_t)n;
}

ZN_PLUGIN_EXPORT void FreeText(char* result) {
    free(result);
}
