/* Test plug-in: built for an interface version the editor does not know. */
#include <znackar_plugin.h>

ZN_PLUGIN_EXPORT int ZnPluginVersion(void) {
    return ZN_PLUGIN_INTERFACE_VERSION + 1;
}
