// Windows half of SostituisciContenutoFile.
#include "contenuto_file.h"

#include <windows.h>

namespace {

bool ScriviTutto(HANDLE file, std::string_view contenuto) {
    while (!contenuto.empty()) {
        const DWORD parte =
            contenuto.size() > 0x40000000U ? 0x40000000U : static_cast<DWORD>(contenuto.size());
        DWORD scritti = 0;
        if (!::WriteFile(file, contenuto.data(), parte, &scritti, nullptr) || scritti == 0) {
            return false;
        }
        contenuto.remove_prefix(scritti);
    }
    return true;
}

} // namespace

bool SostituisciContenutoFile(const std::filesystem::path& file, std::string_view contenuto) {
    if (file.empty() || !file.has_filename()) {
        return false;
    }
    const DWORD attributi = ::GetFileAttributesW(file.c_str());
    const bool esiste = attributi != INVALID_FILE_ATTRIBUTES;
    if (!esiste && ::GetLastError() != ERROR_FILE_NOT_FOUND) {
        return false;
    }
    if (esiste && (attributi & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
        return false;
    }

    const std::filesystem::path temporaneo = NomeTemporaneo(file);
    const HANDLE scrittura = ::CreateFileW(temporaneo.c_str(), GENERIC_WRITE, 0, nullptr,
                                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (scrittura == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool riuscito = ScriviTutto(scrittura, contenuto) && ::FlushFileBuffers(scrittura);
    riuscito = ::CloseHandle(scrittura) && riuscito;
    // ReplaceFileW keeps the old file's attributes and security; a new file is just moved.
    riuscito = riuscito &&
               (esiste ? ::ReplaceFileW(file.c_str(), temporaneo.c_str(), nullptr,
                                        REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                       : ::MoveFileExW(temporaneo.c_str(), file.c_str(), MOVEFILE_WRITE_THROUGH));
    if (!riuscito) {
        ::DeleteFileW(temporaneo.c_str());
    }
    return riuscito;
}
