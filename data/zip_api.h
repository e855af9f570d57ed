// libzip, loaded when a set is first exported or imported (libzip.so.4), so
// that the program starts without it and the libraries under it.
#pragma once

#include <zip.h>

struct ZipApi {
    decltype(&::zip_open) open = nullptr;
    decltype(&::zip_close) close = nullptr;
    decltype(&::zip_discard) discard = nullptr;
    decltype(&::zip_strerror) strerror = nullptr;
    decltype(&::zip_dir_add) dir_add = nullptr;
    decltype(&::zip_file_add) file_add = nullptr;
    decltype(&::zip_source_buffer) source_buffer = nullptr;
    decltype(&::zip_source_free) source_free = nullptr;
    decltype(&::zip_get_num_entries) get_num_entries = nullptr;
    decltype(&::zip_get_name) get_name = nullptr;
    decltype(&::zip_stat_init) stat_init = nullptr;
    decltype(&::zip_stat_index) stat_index = nullptr;
    decltype(&::zip_file_get_external_attributes) file_get_external_attributes = nullptr;
    decltype(&::zip_fopen_index) fopen_index = nullptr;
    decltype(&::zip_fread) fread = nullptr;
    decltype(&::zip_fclose) fclose = nullptr;
};

// The library's functions, every one of them found; null when the library
// or one of its functions cannot be loaded.
const ZipApi *zipApi();
