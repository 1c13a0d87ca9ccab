#pragma once
// Start-up of the carried-content conversions.

// Registers the row of every carried content the toolkit converts (the core records of toolkit/api and the
// contents of this folder) as the table of kiv_convert_external_content_types.h. Runs once per process;
// every call returns only after the table is in place. Call it before the first conversion of an EXTERNAL:
// the server does at start-up, the tests and fuzz targets before their first case.
void KivRegisterCarriedContents();
