// The native build's string resources: the same list as the Windows STRINGTABLE, published
// under the symbol through which LoadStringA finds a module's strings.
#include <plw_resource.h>

extern "C" PLW_RESOURCE_EXPORT const PlwStringResource plw_string_resources[] = {
#define PLM_STRING(id, text) {id, text},
#include "strings.inc"
#undef PLM_STRING
    {0, nullptr},
};
