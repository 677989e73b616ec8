#include "pieces/PieceDrawing.h"
#include "tests/support/SceneTestKit.h"

#include <gtest/gtest.h>

namespace {

// Five upright strips side by side, one per way an object can get its colour.
struct PrecedenceModel {
    static constexpr int kMaterialX = 100;     // material 0: its colour wins
    static constexpr int kPlainX = 260;        // no material: the piece colour
    static constexpr int kTexturedX = 420;     // textured with coordinates: white
    static constexpr int kBareTexturedX = 580; // textured without coordinates: piece colour
    static constexpr int kBadIndexX = 720;     // material index past the list: piece colour

    tModelData model;

    PrecedenceModel()
    {
        t3DObject withMaterial = makeRectObject(-0.9f, -0.5f, -0.6f, 0.5f);
        withMaterial.materialIndex = 0;
        t3DObject plain = makeRectObject(-0.5f, -0.5f, -0.2f, 0.5f);
        t3DObject textured = makeRectObject(-0.1f, -0.5f, 0.2f, 0.5f);
        giveTexCoords(textured);
        textured.materialIndex = 0;
        t3DObject bareTextured = makeRectObject(0.3f, -0.5f, 0.6f, 0.5f);
        bareTextured.textured = true;
        bareTextured.materialIndex = 0;
        t3DObject badIndex = makeRectObject(0.7f, -0.5f, 0.9f, 0.5f);
        badIndex.materialIndex = 7;
        model = makeModel({withMaterial, plain, textured, bareTextured, badIndex},
                          {makeMaterial(10, 200, 30)});
    }
};

// Texturing left on with a red texture bound: the drawing must switch it off.
GLuint bindRedTexture()
{
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const unsigned char red[4] = {255, 0, 0, 255};
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, red);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glEnable(GL_TEXTURE_2D);
    return texture;
}

TEST(ModelDrawing, MaterialBeatsPieceColorAndTexturedObjectsAreWhite)
{
    useFlatView(0, 0, 90);
    const PrecedenceModel scene;
    const GLuint texture = bindRedTexture();
    drawModelRGBA(scene.model, 200, 40, 40, 255, true, false);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    expectPixelNear(PrecedenceModel::kMaterialX, 400, 10, 200, 30);
    expectPixelNear(PrecedenceModel::kPlainX, 400, 200, 40, 40);
    expectPixelNear(PrecedenceModel::kTexturedX, 400, 255, 255, 255);
    expectPixelNear(PrecedenceModel::kBareTexturedX, 400, 200, 40, 40);
    expectPixelNear(PrecedenceModel::kBadIndexX, 400, 200, 40, 40);
    glDeleteTextures(1, &texture);
}

TEST(ModelDrawing, PieceAlphaShowsOnlyWherePieceColorDoes)
{
    useFlatView(0, 0, 90);
    const PrecedenceModel scene;
    drawModelRGBA(scene.model, 200, 40, 40, 0, true, false);
    expectPixelNear(PrecedenceModel::kMaterialX, 400, 10, 200, 30);
    expectPixelNear(PrecedenceModel::kPlainX, 400, 0, 0, 90);
    expectPixelNear(PrecedenceModel::kTexturedX, 400, 255, 255, 255);
    expectPixelNear(PrecedenceModel::kBareTexturedX, 400, 0, 0, 90);

    // Half alpha mixes the piece colour into the background.
    useFlatView(0, 0, 90);
    drawModelRGBA(scene.model, 200, 40, 40, 128, true, false);
    expectPixelNear(PrecedenceModel::kPlainX, 400, 100, 20, 65, 2);

    // The opaque routine ignores the blend: every colour call has alpha 1.
    useFlatView(0, 0, 90);
    drawModelRGB(scene.model, 200, 40, 40, true, false);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    expectPixelNear(PrecedenceModel::kPlainX, 400, 200, 40, 40);
    expectPixelNear(PrecedenceModel::kMaterialX, 400, 10, 200, 30);
}

TEST(ModelDrawing, EmptyModelDrawsNothingAndLeavesBlendAsPromised)
{
    useFlatView(30, 60, 90);
    const tModelData empty = MakeEmptyModel();
    glEnable(GL_BLEND);
    drawModelRGBA(empty, 255, 255, 255, 255, true, false);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    drawModelRGB(empty, 255, 255, 255, true, false);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    expectPixelNear(400, 400, 30, 60, 90);

    // Without blending asked for, the blend state is not touched.
    glEnable(GL_BLEND);
    drawModelRGBA(makeRectModel(-1, -1, 1, 1), 255, 255, 255, 255, false, false);
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    glDisable(GL_BLEND);
}

TEST(ModelDrawing, InvisiblePieceStillWritesDepthAndHidesWhatIsBehind)
{
    useFlatView(0, 0, 0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    drawModelRGBA(makeRectModel(-0.5f, -0.5f, 0.5f, 0.5f, 0), 255, 255, 0, 0, true, false);
    expectPixelNear(400, 400, 0, 0, 0);
    EXPECT_NEAR(readDepth(400, 400), 0.5f, 1e-3);
    EXPECT_NEAR(readDepth(100, 100), 1.0f, 1e-6);

    // A red sheet behind it, larger: hidden inside, visible round it.
    drawModelRGB(makeRectModel(-0.8f, -0.8f, 0.8f, 0.8f, 0.5f), 255, 0, 0, true, false);
    expectPixelNear(400, 400, 0, 0, 0);
    expectPixelNear(120, 120, 255, 0, 0);
    glDisable(GL_DEPTH_TEST);
}

}  // namespace
