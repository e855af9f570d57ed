#include "data/zip_api.h"

#include <QLibrary>

namespace {

template <class F>
bool resolve(QLibrary &lib, const char *name, F &f)
{
    f = reinterpret_cast<F>(lib.resolve(name));
    return f != nullptr;
}

}  // namespace

const ZipApi *zipApi()
{
    static const ZipApi *const api = []() -> const ZipApi * {
        static QLibrary lib(QStringLiteral("zip"), 4);
        static ZipApi z;
        if (!lib.load())
            return nullptr;
        const bool all = resolve(lib, "zip_open", z.open) && resolve(lib, "zip_close", z.close)
                         && resolve(lib, "zip_discard", z.discard) && resolve(lib, "zip_strerror", z.strerror)
                         && resolve(lib, "zip_dir_add", z.dir_add) && resolve(lib, "zip_file_add", z.file_add)
                         && resolve(lib, "zip_source_buffer", z.source_buffer)
                         && resolve(lib, "zip_source_free", z.source_free)
                         && resolve(lib, "zip_get_num_entries", z.get_num_entries)
                         && resolve(lib, "zip_get_name", z.get_name) && resolve(lib, "zip_stat_init", z.stat_init)
                         && resolve(lib, "zip_stat_index", z.stat_index)
                         && resolve(lib, "zip_file_get_external_attributes", z.file_get_external_attributes)
                         && resolve(lib, "zip_fopen_index", z.fopen_index) && resolve(lib, "zip_fread", z.fread)
                         && resolve(lib, "zip_fclose", z.fclose);
        return all ? &z : nullptr;
    }();
    return api;
}
