#pragma once
// A structure's EXTERNAL as a codec record, for tests that look at or change what the conversion sends and
// then convert it back.

#include "tests/api/external_round_trip.h"
#include "toolkit/api/kiv_convert_external.h"
#include "toolkit/asn1/ber_list.h"

// The value of node index of a codec list.
template <typename T>
T* element(const BerList* list, int index) {
    BerListNode* node = list->first;
    for (int i = 0; i < index; ++i) node = node->next;
    return *static_cast<T**>(ASN_ListSlot(node));
}

// A codec EXTERNAL converted from a structure, released with the test.
class CodecExternal {
  public:
    explicit CodecExternal(const KivExternal& external) : record_(externalType()) {
        KivExternalToCodec(get(), &external);
    }
    codec::z3950::EXTERNAL* get() const { return static_cast<codec::z3950::EXTERNAL*>(record_.get()); }
    template <typename T>
    T& value() const {
        return *static_cast<T*>(get()->singleASN1Type.value);
    }
    KivExternal back() const {
        KivExternal external;
        KivExternalFromCodec(&external, get());
        return external;
    }

  private:
    GeneratedRecord record_;
};
