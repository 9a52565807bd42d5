// The font faces behind the face names the lessons select, found through
// fontconfig and drawn with cairo's FreeType backend.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>

namespace lessons {

enum class FaceKind {
  kGothic,  // "ｺﾞｼｯｸ", "ゴシック" and any unknown name: BIZ UDGothic (or IPAGothic), fixed pitch
  kSerif,   // "Times New Roman": Liberation Serif
  kExtra,   // "MT Extra": Liberation Serif, for its script ell
};

FaceKind FaceKindOf(const std::string& name);

struct Face {
  cairo_font_face_t* cairo = nullptr;
  double ascent = 0.8;  // ascender / (ascender + descender)
  void* ft = nullptr;   // the FreeType face (FT_Face)
  bool Has(uint32_t codePoint) const;
};

// The face of a kind in a style. A style the font lacks is synthesised
// (emboldened or slanted). Faces are loaded once and kept; "MT Extra" is the
// same face as "Times New Roman".
const Face& GetFace(FaceKind kind, bool bold, bool italic);

// Starts loading every face on a second thread. Finding a face through
// fontconfig takes a good part of a millisecond (the first one, which reads
// fontconfig's configuration, several): the window host has them loaded
// while it opens the window, so that neither the menu nor a later screen
// waits for them. GetFace waits for that thread to finish.
void LoadFacesAhead();
// Waits for the thread of LoadFacesAhead, if one runs (before the process
// ends without having drawn any text).
void FinishLoadingFaces();

}  // namespace lessons
