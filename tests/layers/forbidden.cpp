// Compiled only to fail: each check includes, from inside one floor, a header
// of a floor that this one must not see.
#include VELTO_FORBIDDEN_HEADER
