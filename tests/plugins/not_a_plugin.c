/* Test library: loads, but exports nothing of the plug-in interface. */
__attribute__((visibility("default"))) int Answer(void) {
    return 42;
}
