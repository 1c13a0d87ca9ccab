#include "toolkit/session/transport_lifecycle.h"

#include "toolkit/session/association_registry.h"
#include "toolkit/session/transport_message_size.h"

void siEndAssociation(KivAssocId assocId) {
    siRemoveAssociation(assocId);
    siForgetNegotiatedMessageSize(assocId);
}

void siAbortAssociation(KivAssocId assocId) {
    siForgetAssociation(assocId);
    siForgetNegotiatedMessageSize(assocId);
}
