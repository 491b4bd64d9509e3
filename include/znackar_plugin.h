/* The plug-in interface of Značkář: what a plug-in library exports and how the editor calls it.
 *
 * A plug-in is a shared library (".so") that transforms the text of the active document. The
 * editor never loads it into its own process: a small helper program (znackar-plugin-host)
 * loads it, calls it and sends the answer back, so a plug-in that crashes or never returns
 * costs the user nothing but a message; the document stays as it was.
 *
 * Every string is a run of Windows-1250 bytes with line breaks written CR LF, passed as a
 * pointer and a length; it is not NUL-terminated (the editor adds a terminating NUL after each
 * input string as a courtesy, not counted in the length). Every export uses the C calling
 * convention. Only ZnPluginVersion is required; the editor refuses a library without it or
 * with another version. */
#ifndef ZNACKAR_PLUGIN_H
#define ZNACKAR_PLUGIN_H

#include <stddef.h>

/* The version of this interface. A plug-in returns it from ZnPluginVersion. */
#define ZN_PLUGIN_INTERFACE_VERSION 1

/* The menu picture: 16 x 16 pixels, rows from the top, 4 bytes a pixel in the order red,
 * green, blue, alpha (0 is transparent). */
#define ZN_PLUGIN_PICTURE_SIZE 16
#define ZN_PLUGIN_PICTURE_BYTES (ZN_PLUGIN_PICTURE_SIZE * ZN_PLUGIN_PICTURE_SIZE * 4)

/* Action codes returned by GetText. Any other value changes nothing. */
#define ZN_ACTION_REPLACE_SELECTION                                                                \
    0                           /* the result replaces the selection (or goes in at the caret) */
#define ZN_ACTION_REPLACE_ALL 1 /* the result replaces the whole text */
#define ZN_ACTION_NONE 2        /* the document stays as it is */

#if defined(_WIN32)
#define ZN_PLUGIN_EXPORT __declspec(dllexport)
#else
#define ZN_PLUGIN_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Required: returns ZN_PLUGIN_INTERFACE_VERSION as the plug-in was compiled with it. */
ZN_PLUGIN_EXPORT int ZnPluginVersion(void);

/* Optional: writes the plug-in's display name (at most `capacity` bytes) to `name` and returns
 * the full length of the name. Called once when the plug-in is loaded. Without it the name is
 * empty. */
ZN_PLUGIN_EXPORT size_t GetName(char* name, size_t capacity);

/* Optional: draws the menu picture into `rgba` (ZN_PLUGIN_PICTURE_BYTES bytes, all zero on entry,
 * that is transparent) and returns 1, or returns 0 for no picture. Called once at loading. */
ZN_PLUGIN_EXPORT int PlugInPic(unsigned char* rgba);

/* Called each time the user chooses the plug-in's menu entry. The arguments, in order:
 *   mainWindow      an opaque value; it means nothing outside the call and must not be kept;
 *   selection       the selected text of the active document (length 0: nothing selected);
 *   upperCaseTags   1 when the user wants generated tags in upper case, else 0;
 *   action          output: one of the action codes above;
 *   text            the whole text of the active document;
 *   tag             the text of the tag under the caret between "<" and ">" (length 0: none);
 *   column, line    the caret's column within its line and its line, both counted from 0;
 *   result          output: the result text, allocated by the plug-in (may stay NULL when the
 *                   length is 0); the editor hands it back to FreeText when it has copied it. */
ZN_PLUGIN_EXPORT void GetText(void* mainWindow, const char* selection, size_t selectionLength,
                              int upperCaseTags, unsigned char* action, const char* text,
                              size_t textLength, const char* tag, size_t tagLength, int column,
                              int line, char** result, size_t* resultLength);

/* Releases a result of GetText. Required when GetText returns results. */
ZN_PLUGIN_EXPORT void FreeText(char* result);

/* Optional: tells the user about the plug-in ("O pluginu" in the preferences). The plug-in
 * shows what it likes; the editor waits for it to return. */
ZN_PLUGIN_EXPORT void About(void);

#ifdef __cplusplus
}
#endif

#endif /* ZNACKAR_PLUGIN_H */
