// Native string resources: what windres makes of a STRINGTABLE on Windows. A module publishes
// its table under the symbol plw_string_resources; LoadStringA finds it by module handle.
#ifndef PLW_RESOURCE_H
#define PLW_RESOURCE_H

#define PLW_RESOURCE_EXPORT __attribute__((visibility("default")))

struct PlwStringResource {
    unsigned int id;   // string id; 0 with a null text ends the table
    const char* text;  // the string, NUL-terminated
};

#endif  // PLW_RESOURCE_H
