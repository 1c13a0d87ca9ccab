#include "toolkit/api/kiv_register_codec_types.h"

#include <mutex>

#include "toolkit/codec/explain/oid_overwrites_b.h"
#include "toolkit/codec/extensions/oid_overwrites_charset.h"
#include "toolkit/codec/extensions/oid_overwrites_ciporder.h"
#include "toolkit/codec/extensions/oid_overwrites_cipspecific.h"
#include "toolkit/codec/extensions/oid_overwrites_sil.h"
#include "toolkit/codec/extensions/oid_overwrites_zsqlrs.h"
#include "toolkit/codec/ill/oid_overwrites_ill.h"
#include "toolkit/codec/records/oid_overwrites_d.h"
#include "toolkit/codec/records/oid_overwrites_e.h"
#include "toolkit/codec/records/oid_overwrites_f.h"
#include "toolkit/codec/records/oid_overwrites_iso.h"
#include "toolkit/codec/z3950/diag1_registration.h"

void KivRegisterCodecTypes() {
    static std::once_flag once;
    std::call_once(once, [] {
        codec::z3950::RegisterDiag1Types();
        codec::explain::RegisterBTypes();
        codec::records::RegisterDTypes();
        codec::records::RegisterETypes();
        codec::records::RegisterFTypes();
        codec::records::RegisterIsoTypes();
        codec::ill::RegisterIllTypes();
        codec::ill::RegisterIllExtension800Types();
        codec::ill::RegisterIllExtension799Types();
        codec::extensions::RegisterSilTypes();
        codec::extensions::RegisterCharsetTypes();
        codec::extensions::RegisterZsqlrsTypes();
        codec::extensions::RegisterCiporderTypes();
        codec::extensions::RegisterCipspecificTypes();
    });
}
