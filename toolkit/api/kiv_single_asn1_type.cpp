#include "toolkit/api/kiv_single_asn1_type.h"

KivSingleASN1Type::KivSingleASN1Type() = default;
KivSingleASN1Type::KivSingleASN1Type(KivSingleASN1Type&&) noexcept = default;
KivSingleASN1Type& KivSingleASN1Type::operator=(KivSingleASN1Type&&) noexcept = default;
KivSingleASN1Type::~KivSingleASN1Type() = default;
