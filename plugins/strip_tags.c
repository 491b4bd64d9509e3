/* Example plug-in: removes every tag (everything from "<" to the next ">") from the selection,
 * leaving its text. Without a selection it does nothing. */
#include <znackar_plugin.h>

#include <stdlib.h>
#include <string.h>

ZN_PLUGIN_EXPORT int ZnPluginVersion(void) {
    return ZN_PLUGIN_INTERFACE_VERSION;
}

ZN_PLUGIN_EXPORT size_t GetName(char* name, size_t capacity) {
    /* "Odstranit značky z výběru" in Windows-1250. */
    static const char text[] = "Odstranit zna\xE8ky z v\xFD"
                               "b\xECru";
    const size_t n = sizeof text - 1;
    memcpy(name, text, n < capacity ? n : capacity);
    return n;
}

ZN_PLUGIN_EXPORT int PlugInPic(unsigned char* rgba) {
    /* A red "<>" pair. */
    for (int i = 0; i < 5; ++i) {
        const int points[4][2] = {{6 - i, 3 + i}, {6 - i, 11 - i}, {9 + i, 3 + i}, {9 + i, 11 - i}};
        for (int k = 0; k < 4; ++k) {
            unsigned char* p = rgba + 4 * (points[k][1] * ZN_PLUGIN_PICTURE_SIZE + points[k][0]);
            p[0] = 0xC0, p[1] = 0x10, p[2] = 0x10, p[3] = 0xFF;
        }
    }
    return 1;
}

ZN_PLUGIN_EXPORT void GetText(void* mainWindow, const char* selection, size_t selectionLength,
                              int upperCaseTags, unsigned char* action, const char* text,
                              size_t textLength, const char* tag, size_t tagLength, int column,
                              int line, char** result, size_t* resultLength) {
    (void)mainWindow, (void)upperCaseTags, (void)text, (void)textLength, (void)tag;
    (void)tagLength, (void)column, (void)line;
    *action = ZN_ACTION_NONE;
    if (selectionLength == 0) {
        return;
    }
    char* out = malloc(selectionLength);
    if (out == NULL) {
        return;
    }
    size_t n = 0;
    int inTag = 0;
    for (size_t i = 0; i < selectionLength; ++i) {
        if (selection[i] == '<') {
            inTag = 1;
        } else if (selection[i] == '>' && inTag) {
            inTag = 0;
        } else if (!inTag) {
            out[n++] = selection[i];
        }
    }
    *action = ZN_ACTION_REPLACE_SELECTION;
    *result = out;
    *resultLength = n;
}

ZN_PLUGIN_EXPORT void FreeText(char* result) {
    free(result);
}
