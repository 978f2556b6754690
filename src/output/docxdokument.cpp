#include "output/docxdokument.h"

#include <zip.h>

#include <memory>

namespace velmora {

namespace {

struct QuelleFreigeben {
    void operator()(zip_source_t* quelle) const { zip_source_free(quelle); }
};
struct ArchivVerwerfen {
    void operator()(zip_t* archiv) const { zip_discard(archiv); }
};
using Quelle = std::unique_ptr<zip_source_t, QuelleFreigeben>;
using Archiv = std::unique_ptr<zip_t, ArchivVerwerfen>;

struct Zipfehler {
    zip_error_t fehler;
    Zipfehler() { zip_error_init(&fehler); }
    ~Zipfehler() { zip_error_fini(&fehler); }
};

// Deflating a part costs a fresh compressor's tables; small parts save too little for that,
// and pictures are compressed already.
constexpr std::size_t kleinsterGepackterTeil = 4096;

// Adds the parts, deflating the large XML parts and storing the others as they are.
bool teileHinzufuegen(zip_t* archiv, const std::vector<Docxteil>& teile) {
    for (const Docxteil& teil : teile) {
        zip_source_t* quelle = zip_source_buffer(archiv, teil.inhalt.data(), teil.inhalt.size(), 0);
        if (!quelle) {
            return false;
        }
        const zip_int64_t index = zip_file_add(archiv, teil.name.c_str(), quelle, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(quelle);
            return false;
        }
        const bool packen = !teil.komprimiert && teil.inhalt.size() >= kleinsterGepackterTeil;
        if (zip_set_file_compression(archiv, static_cast<zip_uint64_t>(index),
                                     packen ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0) < 0) {
            return false;
        }
    }
    return true;
}

std::string lesen(zip_source_t* quelle) {
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(quelle, &stat) < 0 || !(stat.valid & ZIP_STAT_SIZE) ||
        zip_source_open(quelle) < 0) {
        return {};
    }
    std::string bytes(stat.size, '\0');
    const zip_int64_t gelesen = zip_source_read(quelle, bytes.data(), stat.size);
    zip_source_close(quelle);
    return gelesen == static_cast<zip_int64_t>(stat.size) ? bytes : std::string();
}

} // namespace

std::string docxDokument(const Dokumentmodell& modell) {
    return zipArchiv(docxteile(modell));
}

std::string zipArchiv(const std::vector<Docxteil>& teile) {
    Zipfehler fehler;
    // The archive is written into a buffer that outlives it and is read back after closing.
    const Quelle puffer(zip_source_buffer_create(nullptr, 0, 0, &fehler.fehler));
    if (!puffer) {
        return {};
    }
    zip_source_keep(puffer.get());
    Archiv archiv(zip_open_from_source(puffer.get(), ZIP_TRUNCATE, &fehler.fehler));
    if (!archiv) {
        zip_source_free(puffer.get()); // the reference the archive would have taken
        return {};
    }
    if (!teileHinzufuegen(archiv.get(), teile) || zip_close(archiv.get()) < 0) {
        return {};
    }
    archiv.release(); // closed
    return lesen(puffer.get());
}

} // namespace velmora
