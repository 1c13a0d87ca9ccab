#include "toolkit/api/kiv_explain_record.h"

KivExplainRecord::KivExplainRecord() = default;
KivExplainRecord::KivExplainRecord(KivExplainRecord&&) noexcept = default;
KivExplainRecord& KivExplainRecord::operator=(KivExplainRecord&&) noexcept = default;
KivExplainRecord::~KivExplainRecord() = default;
