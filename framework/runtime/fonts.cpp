#include "framework/runtime/fonts.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <tuple>

namespace lessons {

FaceKind FaceKindOf(const std::string& name) {
  if (name == "Times New Roman") return FaceKind::kSerif;
  if (name == "MT Extra") return FaceKind::kExtra;
  return FaceKind::kGothic;
}

bool Face::Has(uint32_t codePoint) const {
  return ft != nullptr && FT_Get_Char_Index(static_cast<FT_Face>(ft), codePoint) != 0;
}

namespace {

// The Gothic faces, the first one fontconfig has: BIZ UDGothic (a plain
// zero, a real bold), else IPAGothic.
constexpr const char* kGothicFamilies[] = {"BIZ UDGothic", "IPAGothic"};

const char* FamilyOf(FaceKind kind) {
  switch (kind) {
    case FaceKind::kSerif: return "Liberation Serif";
    case FaceKind::kExtra: return "Liberation Serif";  // has the script ell U+2113
    case FaceKind::kGothic: break;
  }
  return kGothicFamilies[0];
}

// One line on the standard error, once for each text.
void WarnOnce(const std::string& text) {
  static std::set<std::string> said;
  if (said.insert(text).second) std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, text.c_str());
}

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library l = nullptr;
    if (FT_Error error = FT_Init_FreeType(&l)) {
      WarnOnce("cannot read any font: FreeType did not start (error " + std::to_string(error) + ")");
      l = nullptr;
    }
    return l;
  }();
  return library;
}

// A font file mapped into memory, once for every face read from it (a
// regular face and its slanted form share one): the pages of the file that
// the faces read are in memory once.
struct FontFile {
  const FT_Byte* data = nullptr;
  size_t size = 0;
};

const FontFile& MapFile(const std::string& path) {
  static std::map<std::string, FontFile> files;
  auto it = files.find(path);
  if (it != files.end()) return it->second;
  FontFile f;
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  struct stat st{};
  if (fd >= 0 && fstat(fd, &st) == 0 && st.st_size > 0) {
    void* at = mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    if (at != MAP_FAILED) f = {static_cast<const FT_Byte*>(at), static_cast<size_t>(st.st_size)};
  }
  if (fd >= 0) close(fd);
  return files.emplace(path, f).first->second;
}

// fontconfig's font of `family` in a style. For a family it lacks it offers
// another: with `exact`, none then.
FcPattern* Match(const char* family, bool bold, bool italic, bool exact) {
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  FcChar8* name = nullptr;
  for (int i = 0; exact && match && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
    if (std::strcmp(reinterpret_cast<const char*>(name), family) == 0) return match;
  if (exact && match) FcPatternDestroy(match);
  return exact ? nullptr : match;
}

Face Load(FaceKind kind, bool bold, bool italic) {
  // fontconfig keeps its configuration until FcFini: release it at exit.
  static const bool released = [] { return std::atexit(FcFini) == 0; }();
  (void)released;
  Face face;
  FcPattern* match = nullptr;
  if (kind == FaceKind::kGothic) {
    for (const char* family : kGothicFamilies)
      if ((match = Match(family, bold, italic, true))) break;
    if (!match)
      WarnOnce("no Japanese face (BIZ UDGothic or IPAGothic): Japanese text shows as boxes; "
               "the Debian package fonts-morisawa-bizud-gothic brings BIZ UDGothic");
  }
  if (!match) match = Match(FamilyOf(kind), bold, italic, false);

  FcChar8* file = nullptr;
  int index = 0;
  FT_Face ft = nullptr;
  if (match && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    const FontFile& bytes = MapFile(reinterpret_cast<const char*>(file));
    if (!Library() || !bytes.data ||
        FT_New_Memory_Face(Library(), bytes.data, static_cast<FT_Long>(bytes.size), index, &ft) != 0) {
      ft = nullptr;
      if (Library()) WarnOnce(std::string("cannot read the font file ") + reinterpret_cast<const char*>(file));
    }
  }
  if (match) FcPatternDestroy(match);

  if (ft) {
    face.ft = ft;
    face.cairo = cairo_ft_font_face_create_for_ft_face(ft, FT_LOAD_NO_BITMAP);
    unsigned synth = 0;
    if (bold && !(ft->style_flags & FT_STYLE_FLAG_BOLD)) synth |= CAIRO_FT_SYNTHESIZE_BOLD;
    if (italic && !(ft->style_flags & FT_STYLE_FLAG_ITALIC)) synth |= CAIRO_FT_SYNTHESIZE_OBLIQUE;
    if (synth) cairo_ft_font_face_set_synthesize(face.cairo, synth);
    double up = ft->ascender, down = -ft->descender;
    if (up > 0 && up + down > 0) face.ascent = up / (up + down);
  } else {
    // No font file at all: cairo's own face (its built-in one, not one it
    // would look for through fontconfig again) keeps drawing possible.
    face.cairo = cairo_toy_font_face_create("@cairo:sans-serif", italic ? CAIRO_FONT_SLANT_ITALIC
                                                                 : CAIRO_FONT_SLANT_NORMAL,
                                            bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  }
  return face;
}

std::map<std::tuple<FaceKind, bool, bool>, Face>& Faces() {
  static std::map<std::tuple<FaceKind, bool, bool>, Face> faces;
  return faces;
}

const Face& FindFace(FaceKind kind, bool bold, bool italic) {
  if (kind == FaceKind::kExtra) kind = FaceKind::kSerif;  // one font, one set of glyphs
  auto key = std::make_tuple(kind, bold, italic);
  auto& faces = Faces();
  auto it = faces.find(key);
  if (it == faces.end()) it = faces.emplace(key, Load(kind, bold, italic)).first;
  return it->second;
}

void FindEveryFace() {
  for (FaceKind kind : {FaceKind::kGothic, FaceKind::kSerif})
    for (bool bold : {false, true})
      for (bool italic : {false, true}) FindFace(kind, bold, italic);
}

std::thread& Ahead() {
  static std::thread ahead;
  return ahead;
}

}  // namespace

// The faces are the loading thread's until it has finished.
void FinishLoadingFaces() {
  if (Ahead().joinable()) Ahead().join();
}

const Face& GetFace(FaceKind kind, bool bold, bool italic) {
  FinishLoadingFaces();
  return FindFace(kind, bold, italic);
}

void LoadFacesAhead() {
  FinishLoadingFaces();
  Ahead() = std::thread([] {
    try {
      FindEveryFace();
    } catch (...) {
      // A face that could not be loaded is tried again when it is first used.
    }
  });
}

}  // namespace lessons
