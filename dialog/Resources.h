#pragma once
// Resource identifiers shared by Nodlink.rc and the code.
#define IDI_NODLINK 1
#define IDR_BANNER 101
