// Compiled by the layer tests against one layer's include paths: includes PROBE_HEADER.
#include PROBE_HEADER
