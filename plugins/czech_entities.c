/* Example plug-in: writes the Czech letters of the selection (or of the whole document when
 * nothing is selected) as HTML entities, so the page shows them in any encoding. */
#include <znackar_plugin.h>

#include <stdlib.h>
#include <string.h>

/* The entity of a Windows-1250 byte, or NULL for a byte that stays. */
static const char* Entity(unsigned char c) {
    switch (c) {
    case 0xE1:
        return "&aacute;";
    case 0xC1:
        return "&Aacute;";
    case 0xE9:
        return "&eacute;";
    case 0xC9:
        return "&Eacute;";
    case 0xED:
        return "&iacute;";
    case 0xCD:
        return "&Iacute;";
    case 0xF3:
        return "&oacute;";
    case 0xD3:
        return "&Oacute;";
    case 0xFA:
        return "&uacute;";
    case 0xDA:
        return "&Uacute;";
    case 0xFD:
        return "&yacute;";
    case 0xDD:
        return "&Yacute;";
    case 0x9A:
        return "&scaron;";
    case 0x8A:
        return "&Scaron;";
    case 0xF9:
        return "&#367;";
    case 0xD9:
        return "&#366;";
    case 0xE8:
        return "&#269;";
    case 0xC8:
        return "&#268;";
    case 0xEF:
        return "&#271;";
    case 0xCF:
        return "&#270;";
    case 0xEC:
        return "&#283;";
    case 0xCC:
        return "&#282;";
    case 0xF2:
        return "&#328;";
    case 0xD2:
        return "&#327;";
    case 0xF8:
        return "&#345;";
    case 0xD8:
        return "&#344;";
    case 0x9D:
        return "&#357;";
    case 0x8D:
        return "&#356;";
    case 0x9E:
        return "&#382;";
    case 0x8E:
        return "&#381;";
    default:
        return NULL;
    }
}

ZN_PLUGIN_EXPORT int ZnPluginVersion(void) {
    return ZN_PLUGIN_INTERFACE_VERSION;
}

ZN_PLUGIN_EXPORT size_t GetName(char* name, size_t capacity) {
    /* "Česká písmena na entity" in Windows-1250. */
    static const char text[] = "\xC8"
                               "esk\xE1 p\xEDsmena na entity";
    const size_t n = sizeof text - 1;
    memcpy(name, text, n < capacity ? n : capacity);
    return n;
}

ZN_PLUGIN_EXPORT int PlugInPic(unsigned char* rgba) {
    /* A blue ampersand-like block: a frame with a bar across. */
    for (int y = 2; y < 14; ++y) {
        for (int x = 3; x < 13; ++x) {
            if (y == 2 || y == 13 || x == 3 || x == 12 || y == 7) {
                unsigned char* p = rgba + 4 * (y * ZN_PLUGIN_PICTURE_SIZE + x);
                p[0] = 0x20, p[1] = 0x40, p[2] = 0xC0, p[3] = 0xFF;
            }
        }
    }
    return 1;
}

ZN_PLUGIN_EXPORT void GetText(void* mainWindow, const char* selection, size_t selectionLength,
                              int upperCaseTags, unsigned char* action, const char* text,
                              size_t textLength, const char* tag, size_t tagLength, int column,
                              int line, char** result, size_t* resultLength) {
    (void)mainWindow, (void)upperCaseTags, (void)tag, (void)tagLength, (void)column, (void)line;
    const char* in = selectionLength > 0 ? selection : text;
    const size_t length = selectionLength > 0 ? selectionLength : textLength;
    char* out = malloc(length * 8 + 1); /* the longest entity has 8 bytes */
    size_t n = 0;
    if (out == NULL) {
        *action = ZN_ACTION_NONE;
        return;
    }
    for (size_t i = 0; i < length; ++i) {
        const char* entity = Entity((unsigned char)in[i]);
        if (entity != NULL) {
            memcpy(out + n, entity, strlen(entity));
            n += strlen(entity);
        } else {
            out[n++] = in[i];
        }
    }
    *action = selectionLength > 0 ? ZN_ACTION_REPLACE_SELECTION : ZN_ACTION_REPLACE_ALL;
    *result = out;
    *resultLength = n;
}

ZN_PLUGIN_EXPORT void FreeText(char* result) {
    free(result);
}
