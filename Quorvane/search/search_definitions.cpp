#include "Quorvane/search/search_definitions.h"

void FreeSearchDefinition(void* definition) {
    delete static_cast<SearchDefinition*>(definition);
}
