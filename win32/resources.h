// Resource identifiers shared by trv.rc and the code.
#pragma once

// The organisation's mark, drawn from data/logo.svg at build time.
#define IDB_LOGO 101
