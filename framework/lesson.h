// The lesson framework's program state and routines.
//
// Routines take no arguments and return nothing: a caller sets the named
// program variables, calls the routine and reads the named variables it
// leaves. Every program variable starts as 0 or the empty text. A trailing
// "$" of the original names is written "_s" here (KKAI$ is KKAI_s).
//
// Each lesson program derives its own class from Lesson for its main menu,
// units, screens and variables of its own.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/basic.h"
#include "framework/figure.h"
#include "framework/figure_setups.h"
#include "framework/label_places.h"
#include "framework/lesson_kit.h"
#include "framework/runtime/runtime.h"

namespace lessons {

class Lesson {
 public:
  Lesson(Runtime& runtime, std::string title);
  virtual ~Lesson() = default;
  Lesson(const Lesson&) = delete;
  Lesson& operator=(const Lesson&) = delete;

  Runtime& rt;

  // ---- program start-up and the error screen ----
  // The program's entry: window, font, pen, seed, arrays, prompt anchor; then
  // the main menu. Returns when the main menu's end item is chosen.
  void InitProgram();
  void SeedRandomFromClock();
  // The error screen for error `number` at source line `line`: draws the
  // message and waits until the window is closed.
  void ErrorTrap(int number, int line);

  // ---- plain text ----
  void ToFullWidthChar();
  void StripSpaces();
  void DrawTextRun();
  void DrawPlainText();

  // ---- number entry, prompts, key waits ----
  void ReadNumberEntry();
  void EditNumberKeys();
  void ParseAnswer();
  void AskMenuNumber();
  void EraseMenuPrompt();
  void AskSubMenuChoice();
  void EraseSubMenuLine();
  void ShowPromptWaitKey();
  void AskNextStep();
  void WaitAnyKey();
  void ClearLessonArea();
  void ClearFooterBand();
  void NumbersToTextArrays();
  void KeyToButtonIndex();

  // ---- math typesetting, text boxes, cell text ----
  void PrintMathText();
  void DrawMathGlyphs();
  void DrawStackedFraction();
  void MeasureMathText();
  void DrawTextBox();
  void DrawTextBoxAround();
  void DrawTwoLineTextBox();
  void DrawCellText();
  void RemoveMarkupMarks();

  // ---- figures: planes, graphs, points, arrows ----
  void DrawCoordinatePlane();
  void DrawDecimalAxisLabels();
  void FormatDecimalLabel();
  void PlotLabelledPoint();
  void DrawFunctionGraph();
  void DrawVerticalGraphLine();
  void TraceCurveDots();
  void DrawArrow();
  void DrawRunRiseArrows();
  void LabelRunArrow();
  void LabelRiseArrow();

  // ---- typed set-ups of the four figures (figure_setups.h) ----
  // Each sets the variables its struct names, then runs the routine:
  // DrawCoordinatePlane (and DrawDecimalAxisLabels), PlotLabelledPoint,
  // DrawFunctionGraph, DrawTextBox and DrawTextBoxAround.
  // Plane leaves the figure it drew in `figure`: the curves and lines its
  // set-up names are known to it before any of its labels is placed.
  // Point and Graph answer the part number the figure gives the point (a
  // dot of radius 4 or more) or the curve (kLoosePart without a figure).
  const Figure& Plane(const PlaneSetup& setup);
  int Point(const PointSetup& setup);
  int Graph(const GraphSetup& setup);
  void TextBox(const BoxSetup& setup);
  void TextBoxAround(const BoxSetup& setup);
  // DrawArrow from (x1, y1) to (x2, y2) in `colour`, head length 16, its
  // head at the second point, at the first, or at both. On a figure it is
  // one of its parts: its part number (else kLoosePart).
  int ArrowBetween(Num x1, Num y1, Num x2, Num y2, int colour,
                    ArrowHeads heads = ArrowHeads::kAtEnd);

  // ---- figures: marks, arcs, grids, polygons, fraction texts ----
  void ComputeRayAngles();
  void DrawRightAngleMark();
  void PlaceAngleLabel();
  void DrawLengthArc();
  void AngleInDegreesText();
  void LineAngle();
  void DrawArrowheadMarks();
  void DrawEqualTicksSpaced();
  void DrawAngleArcs();
  void DrawSquareGrid();
  void DrawPolygonOutline();
  void LabelPolygonVertices();
  void LabelPolygonVertexTexts();
  void AddFractionsText();
  void FormatFractionPair();
  void GcdLcm();
  // a - b * floor(a / b): the remainder that takes the sign of the divisor.
  static Num FloorMod(Num a, Num b);

  // ---- program variables ----
  Num A = 0, A21 = 0, A31 = 0, A41 = 0, AA = 0, AAA = 0, AIDA1 = 0, AINP = 0;
  Num ARCDEPTH = 0, AX = 0, AY = 0, B = 0, B1 = 0, B2 = 0, B3 = 0, B4 = 0, BAIX = 0;
  Num BAIY = 0, BB1 = 0, BB2 = 0, BUN = 0, BX = 0, BY = 0, CCC2 = 0, CCC3 = 0, CX = 0, DB = 0;
  Num DB1 = 0, DOTRADIUS = 0, DS = 0, DS4 = 0, DSM1 = 0, DSM2 = 0;
  Num ENZAN = 0, FRACDEN = 0, FRACNUM = 0, GGX = 0, GIVENDEN = 0, GX0 = 0, GX1 = 0;
  Num GX2 = 0, GX4 = 0, GX5 = 0, GY0 = 0, GY1 = 0, H = 0, HABA = 0, HENK = 0, HENK1 = 0, HHP = 0;
  Num HOUKOU = 0, I = 0, IB8 = 0, II = 0, IJ = 0, ITI1 = 0, JYOU = 0, KAKKO = 0, KAKKO1 = 0;
  Num KAKUDAI = 0, KJ1 = 0, KJ2 = 0, KJ3 = 0, LABELDY = 0, LB8 = 0, LT2 = 0, MUKI = 0, N = 0;
  Num N1 = 0, N2 = 0, N3 = 0, NAGASA = 0, NAGASA1 = 0, NASI = 0, NO = 0, OKI2 = 0, P = 0;
  Num R = 0, R1B = 0, REDDEN = 0, REDNUM = 0, RP1 = 0, RTASKAI1 = 0, SENTAKU = 0, SIZE = 0;
  Num SIZE1 = 0, SO = 0, SOSU = 0, TA1 = 0, TA2 = 0, TA3 = 0, TA6 = 0, TAKASA = 0;
  Num TANI = 0, TATE = 0, TBBOYAKY = 0, TBSIYAKX = 0, TKAI = 0, TKAI2 = 0, VERTEXCOUNT = 0, X = 0;
  Num X1 = 0, X11 = 0, X2 = 0, X4 = 0, X8 = 0, XG = 0, XI0 = 0, XI2 = 0, XSTEP = 0, XW = 0;
  Num XX = 0, XX1 = 0, Y = 0, Y5 = 0, YA = 0, YAK1 = 0, YI1 = 0, YI3 = 0, YMOTO = 0, YOKO = 0;
  Num YY1 = 0, ZX = 0, ZX0 = 0, ZX1 = 0, ZX2 = 0, ZX5 = 0, ZY = 0, ZY1 = 0;
  Num ZY5 = 0;
  std::string A_s, A2_s, A3_s, A4_s, A5_s, CCC1_s, DA1_s, DB_s, DBM2_s, DS1_s, DS2_s;
  std::string DS4_s, DX_s, E1_s, E2_s, F_s, GGY_s, HH2_s, HYOUJI_s, II1_s, KKAI_s, KOSUU_s;
  std::string NAGA_s, P1_s, PLAINF_s, RABM_s, RTASKAI2_s, T_s, TERM2_s, TII_s, U_s, V_s;
  std::string XTAKE_s, XX_s, YAK_s, YY_s, ZX3_s, ZY0_s;
  // Shared arrays, indices 0 to their bound.
  TextArray TITLE_s{40};
  NumArray F{40};
  TextArray A1_s{80};
  NumArray T{80};
  NumArray2 R1A{10, 2};
  NumArray GY5{40};
  NumArray t0014{40};
  NumArray& PTY = t0014;   // the same array under the names lessons use
  NumArray& GY5Y = t0014;
  NumArray t0016{10};
  TextArray X_s{20};
  NumArray GX3{40};
  NumArray GY3{40};

  // ---- further variables of the typesetter ----
  // How the script ell "l" is set: Orvenna sets it large (size 56, in
  // fraction parts 38); Palisteo and Quendral at size 16 with the pair (6, 3).
  // A program sets this once, in its constructor.
  bool largeScriptEll = false;
  // How much narrower the typesetter sets a text than its fixed metrics
  // (1: not at all); a text box sets it for a text wider than the box.
  Num textSqueeze = 1;

  // ---- further variables of the figures ----
  // The run and rise texts that DrawRunRiseArrows prepares for its labels.
  std::string RUNTEXT_s, RISETEXT_s;
  // The figure on the screen (figure.h): its mapping, what it carries and
  // the grounds of its labels; cleared when the screen is wiped.
  Figure figure;
  // A label's white ground: its cells and a margin, kept off the plane's
  // axes (LabelGroundBox), drawn right before the label.
  InkBox LabelGroundBox(InkBox cells, InkBox ink = {}) const;
  void LabelGround(InkBox cells, InkBox ink = {});
  // A text at (x, y) on its ground, in the font in force.
  void GroundedText(Num x, Num y, const std::string& text, int a, int b, int colour);
  // The ink a text routine (PrintMathText, DrawCellText) puts down for KKAI$
  // at (DSM1, DSM2), its strokes included: it is measured there, drawing
  // nothing, and the typesetter's state is left as it was found (also when
  // it fails). OnGround runs it there on a ground.
  InkBox InkOf(const std::function<void()>& set);
  // As InkOf, the routine's cells (as wide as the typesetter advances) and strokes.
  InkBox CellsOf(const std::function<void()>& set);
  // Both at once.
  Measured MeasureOf(const std::function<void()>& set);
  void OnGround(const std::function<void()>& set);
  // PrintMathText of KKAI$ as a figure's label: at (DSM1, DSM2), or the
  // place near it that label_places.h chooses (for the label of part
  // `ownPart`, nearer to it than to any other part of its kind), on its ground.
  void FigureLabel(int ownPart = kLoosePart);
  // Moves (DSM1, DSM2) to where FigureLabel would write KKAI$, writing nothing.
  void PlaceFigureLabel(int ownPart = kLoosePart);
  // An axis's number: its cells at its own place, and how to draw it moved.
  struct AxisLabel {
    InkBox cells, ink;
    std::function<void(Num dx, Num dy)> draw;
  };
  // The ground of the origin's "0" of the plane last drawn.
  const InkBox& OriginLabelGround() const { return figure.zeroGround; }
  // A number of an axis at (x, y) in the font in force, for PlaceAxisLabels.
  AxisLabel AxisText(Num x, Num y, const std::string& text, int a, int b);
  // Draws the numbers of one axis, each on its tick, on grounds joined into
  // bands; a number that has no place there is left out.
  void PlaceAxisLabels(std::vector<AxisLabel>& labels, bool xAxis, const InkBox& beside = {});
  // The figure carries a curve (its part number), drawn now or later.
  int CarryCurve(const GraphSetup& curve, bool drawn = true);
  // The figure carries a line drawn now: the one declared with these ends,
  // or a new one (of the arrow being drawn).
  void CarryLine(Num x1, Num y1, Num x2, Num y2, Num width);
  // The point about to be plotted at (x, y): the one declared there, or a
  // new one (its part number; kLoosePart for a small dot); PointDrawn once
  // its dot is on the screen.
  int CarryPoint(Num x, Num y, Num radius);
  void PointDrawn(Num x, Num y, Num radius);
  // The part number of the arrow with this shaft: the one declared, or a new one.
  int ArrowPart(Num x1, Num y1, Num x2, Num y2);
  // The plane's mapping of a value to the screen (X8, R, NO, XSTEP, GGX).
  Num PlaneX(Num u) const;
  Num PlaneY(Num v) const;
  // The number text of v without blanks (through A$ and StripSpaces).
  std::string StrippedNumberText(Num v);
  // Direction of the screen vector (dx, dy), anticlockwise from +x, using AX.
  Num VectorDirection(Num dx, Num dy) const;
  // One arrow from the tail to the head: the shaft, and the open head when
  // the two ends differ.
  void DrawArrowStrokes(Num tx, Num ty, Num hx, Num hy);
  // A plain line of the figure, drawn whole; labels placed after it keep
  // clear of it.
  void FigureLine(Num x1, Num y1, Num x2, Num y2, int colour);
  // One step of a length arc: the point at `degrees` of the half-ellipse over
  // the chord from (SO, YOKO), turned by the chord's direction `chordAngle`,
  // left in II, IJ (DOTRADIUS its distance from the first point).
  void LengthArcPoint(Num degrees, Num chordAngle, Num depth, Num half);
  // The angle at polygon vertex k for its label: rays to the next vertex and
  // the one after it, swapped, at the label distance N3.
  void SetPolygonVertexAngle(Num k);

  // ---- further variables of the lesson kit ----
  // Menus, units and screens (see lesson_kit.h for how a program uses them).
  // The main menu: heading "＜" + II1$ + "　メニュー＞", the items, the number
  // prompt; the last item returns (the program ends), a number outside the
  // items draws the menu again, otherwise the target of the typed number.
  void MainMenuLoop(const std::vector<MenuItem>& items, const std::vector<MenuTarget>& targets);
  // A unit's sub-menu: asks `menuLine` until its last item (targets.size() + 1)
  // is chosen, running the target of every other item; then returns.
  void UnitSubMenu(const std::string& menuLine, const std::vector<MenuTarget>& targets);
  // "<めあて>" in colour 3 at (44, 240), then each aim line in colour 0, 65
  // lower each, at x 76.
  void UnitGoalScreen(std::initializer_list<std::string> aimLines);
  // Texts through PrintMathText; each leaves YI1 = DSM1 and B2 = DSM2.
  void TextAt(Num x, Num y, int colour, const std::string& text);  // at (x, y)
  void NewLine(Num indent, Num step, int colour, const std::string& text);  // (B1 + indent, B2 + step)
  void Continue(int colour, const std::string& text);  // at (YI1, B2)
  // A text at (x, y) through PrintMathText that leaves YI1 and B2 alone: a
  // label placed by figure coordinates.
  void LabelAt(Num x, Num y, int colour, const std::string& text);
  // A text at (DSM1, DSM2) about to be written: the figure's labels keep clear of it.
  void KeepClearOfText();
  // A filled rectangle from (x, y), w wide and h high.
  void FillRect(Num x, Num y, Num w, Num h, int lineColour, int fillColour);
  // Wipes from (0, 0), w wide and h high, with colour 15.
  void WipeScreen(Num w, Num h);
  // Table cells: the box style (GX0, SIZE, TKAI2, YMOTO), then one box at
  // (DSM1, DSM2) of width `width` holding `text`; DSM1 moves to its right edge.
  void CellStyle(Num height, int lineColour, int fillColour, int textColour);
  void Cell(Num width, const std::string& text);
  // A number as a table shows it: its text without blanks (through A$).
  std::string NumberText(Num value);
  // A repeating drill: AINP = 3, then turns until AskNextStep leaves exactly
  // 1 in AINP ("1", "2/2"); any other entry (0, 2, 1.5, "3/0") gives a new
  // turn. `turn` draws one problem and its answer steps; the loop adds the
  // AskNextStep that ends every turn.
  void RandomDrill(const std::function<void()>& turn);

 protected:
  // The program's own main menu; returns when its end item is chosen.
  virtual void MainMenu() = 0;

 private:
  void BeginFigure();
  // The text on its ground at the place label_places.h chooses for a label
  // of this kind (a letter: of `places`); the offset it took.
  ScreenPoint PlacedText(Num x, Num y, const std::string& text, int a, int b, LabelKind kind,
                         const std::vector<ScreenPoint>& places = {});

  std::string title_;
};

}  // namespace lessons
