#pragma once
// The frame: the camera, where the tower and the overlays stand, where the
// 800 x 800 rules window sits inside the real one, the projection a resize
// sets up, the turntable, and composing one frame.  The frame ends with the
// board matrix current, the matrix the next pick reads its hit in.

// ---- The camera ------------------------------------------------------------

// The one camera: the eye above the front of the tower looks at the origin,
// +y up, through a 120-degree vertical field of view.

struct CameraPoint {
    double x, y, z;
};

constexpr CameraPoint kCameraEye{0.0, 3.5, 25.0};
constexpr CameraPoint kCameraTarget{0.0, 0.0, 0.0};
constexpr CameraPoint kCameraUp{0.0, 1.0, 0.0};

constexpr double kFieldOfView = 120.0;
constexpr double kNearPlane = 1.0;
constexpr double kFarPlane = 150.0;

// Multiplies the camera's look-at onto the current matrix.
void lookThroughCamera();

// ---- Placements ------------------------------------------------------------

// Where the frame puts the tower and the overlays, and the frame a pick reads
// its hit in.  Each placement is a translate followed by a scale, in single
// precision as glTranslatef and glScalef take them.  The frame never pushes
// the matrix: an overlay is taken off again by its exact inverse steps.

struct Placement {
    float x, y, z;  // the translation
    float scaleX, scaleY, scaleZ;
};

// The tower below the eye, squashed in height so that its twenty slots fit
// the view; the turntable turns it inside this frame.
constexpr Placement kBoardFrame{0, -28, 0, 1.5f, 0.8f, 1.5f};

// The pick's frame, on top of the turned board frame: a point (x, y, z) in
// it is the board point (1.5 x, 0.8 y - 35, 1.5 z), so that the tile box is
// a simple range test.
constexpr Placement kPickFrame{0, -35, 0, 1.5f, 0.8f, 1.5f};

// The power-up buttons and the running score, right of the tower; drawn
// before the board frame, so they do not turn.
constexpr Placement kButtonOverlay{-15, -15, 0, 3, 3, 3};
constexpr Placement kScoreOverlay{10, -5, 0, 5, 5, 5};

// The final score stands in front of the tower at this fixed turn.
constexpr double kGameOverAngle = 7.0;

// Multiplies the placement onto the current matrix.
void multiplyPlacement(const Placement& placement);

// Multiplies its inverse: the reciprocal scale (1 / 3 is 0.33333334 in
// single precision), then the negated translation.
void undoPlacement(const Placement& placement);

// ---- The rules frame -------------------------------------------------------

// Where the game's 800 x 800 rules window sits inside the real window.  The
// scene is shown whole and centred: scaled to the window's shorter side, with
// bands beside it in a wide window and above and below it in a tall one.  The
// projection and the press mapping both come from here, so what is drawn is
// where it is pressed.

struct RulesFrame {
    double scale = 1;  // window pixels per rules pixel
    double left = 0;   // window pixels from the window's left edge to the rules window
    double top = 0;    // window pixels from the window's top edge to the rules window
};

RulesFrame rulesFrameOf(int width, int height);

// The vertical field of view, in degrees, that shows the rules window's
// whole height at `frame`'s scale in a window `height` pixels high.
double fieldOfViewOf(const RulesFrame& frame, int height);

// A press at window pixel (x, y), y from the top as the mouse reports it, in
// pixels of the rules window with y counted upwards from its bottom, as the
// button rectangles are written.
struct RulesPoint {
    float x;
    float y;
};
RulesPoint pressInRulesWindow(const RulesFrame& frame, int x, int y);

// The frame of the window the last reshape set up (the GL viewport).
RulesFrame currentRulesFrame();

// ---- Reshape ---------------------------------------------------------------

// Viewport, projection and camera for a window of the given size.
void onReshape(int width, int height);

// ---- The turntable ---------------------------------------------------------

// The board's turn about the vertical axis, in degrees, set by dragging.

struct Turntable {
    double angle = 0;  // kept inside (-360, 360)

    // Multiplies the turn onto the current matrix.
    void apply() const;
    double getAngle() const { return angle; }
    // Keeps the fraction and the sign: 725.5 gives 5.5, -370.25 gives -10.25.
    void setAngle(double x);
};

// The board's one turntable, defined with the other global objects
// (app/StartUp.cpp).
extern Turntable turntable;

// ---- Composing a frame -----------------------------------------------------

// Theme::applyClearColor, the one theme operation that needs OpenGL, is
// declared with the theme (themes/Theme.h) and defined here, beside the frame
// that uses it, so that the themes library stays free of OpenGL.

// Draws the whole scene into the back buffer (everything onDisplay does but
// the swap), and leaves the board matrix current for the next pick:
// the camera, the board frame (kBoardFrame), the turntable.
void drawScene();

// Draws one frame of the scene and swaps buffers once the frame is due.
void onDisplay();
