#pragma once
// Start-up of the codec's type registry.

// Registers every carried type of the generated codecs in the type registry: the diag-1 format, the record
// syntaxes and extended-services packages, and their 1.0.10163 twins. The registrations run once per
// process, in the thread that calls first; every call returns only after they are complete, so the registry
// is read-only from then on. Call it before the first encode or decode.
void KivRegisterCodecTypes();
