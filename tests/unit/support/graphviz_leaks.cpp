// Graphviz's dot keeps a few small allocations of its own past a layout; they are not
// Corvix's to free, so the leak checker of the sanitizer build passes over them in every
// test program that lays drawings out.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libgvc.so\nleak:libcgraph.so\n";
}
