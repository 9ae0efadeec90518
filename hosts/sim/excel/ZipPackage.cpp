#include "hosts/sim/excel/ZipPackage.h"

#include <zip.h>

#include <stdexcept>

namespace qh::sim {
namespace {

// Large parts (a pivot cache's records) are compressed fast rather than small: the file is
// written at every export, and the first level already gains most of the size.
constexpr zip_uint32_t kCompressionLevel = 1;

std::runtime_error failure(const std::string& what, zip_t* archive) {
  return std::runtime_error(what + ": " + (archive ? zip_strerror(archive) : "cannot open"));
}

}  // namespace

ZipPackage::ZipPackage(const std::filesystem::path& path) : path_(path) {
  int error = 0;
  archive_ = zip_open(path.string().c_str(), 0, &error);
  if (!archive_) {
    zip_error_t e;
    zip_error_init_with_code(&e, error);
    const std::string text = zip_error_strerror(&e);
    zip_error_fini(&e);
    throw std::runtime_error("cannot open " + path.string() + ": " + text);
  }
}

ZipPackage::~ZipPackage() {
  if (archive_) zip_discard(archive_);
}

bool ZipPackage::has(const std::string& part) const {
  return puts_.count(part) || zip_name_locate(archive_, part.c_str(), 0) >= 0;
}

std::string ZipPackage::read(const std::string& part) const {
  if (const auto it = puts_.find(part); it != puts_.end()) return it->second;
  zip_stat_t st;
  zip_stat_init(&st);
  if (zip_stat(archive_, part.c_str(), 0, &st) != 0) throw failure("no part " + part, archive_);
  zip_file_t* file = zip_fopen(archive_, part.c_str(), 0);
  if (!file) throw failure("cannot read " + part, archive_);
  std::string content(static_cast<std::size_t>(st.size), '\0');
  const zip_int64_t n = zip_fread(file, content.data(), st.size);
  zip_fclose(file);
  if (n != static_cast<zip_int64_t>(st.size)) throw failure("cannot read " + part, archive_);
  return content;
}

void ZipPackage::put(const std::string& part, std::string content) {
  std::string& kept = puts_[part] = std::move(content);
  zip_source_t* source = zip_source_buffer(archive_, kept.data(), kept.size(), 0);
  if (!source) throw failure("cannot add " + part, archive_);
  const zip_int64_t index =
      zip_file_add(archive_, part.c_str(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
  if (index < 0) {
    zip_source_free(source);
    throw failure("cannot add " + part, archive_);
  }
  zip_set_file_compression(archive_, static_cast<zip_uint64_t>(index), ZIP_CM_DEFLATE,
                           kCompressionLevel);
}

void ZipPackage::commit() {
  if (zip_close(archive_) != 0) throw failure("cannot write " + path_.string(), archive_);
  archive_ = nullptr;
}

}  // namespace qh::sim
