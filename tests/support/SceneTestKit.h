#pragma once
// Small models built in memory and a flat view for drawing tests: with the
// flat view, model coordinates are normalised device coordinates, so the
// pixel (px, py) of the 800 x 800 window lies at (px / 400 - 1, py / 400 - 1).

#include "app/Window.h"
#include "model3ds/ModelData.h"
#include "tests/support/GlWindow.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

// One object: the rectangle (x0, y0) .. (x1, y1) in the plane z, two
// triangles, normals towards +z, no material (materialIndex -1).
inline t3DObject makeRectObject(float x0, float y0, float x1, float y1, float z = 0)
{
    t3DObject object;
    object.vertexCount = 4;
    object.faceCount = 2;
    object.materialIndex = -1;
    object.vertices.reset(new tVec3[4]{{x0, y0, z}, {x1, y0, z}, {x1, y1, z}, {x0, y1, z}});
    object.normals.reset(new tVec3[4]{{0, 0, 1}, {0, 0, 1}, {0, 0, 1}, {0, 0, 1}});
    object.faces.reset(new tTriangle[2]{{{0, 1, 2}}, {{0, 2, 3}}});
    return object;
}

// Gives an object texture coordinates and marks it textured.
inline void giveTexCoords(t3DObject& object)
{
    object.textured = true;
    object.texCoordCount = object.vertexCount;
    object.texCoords.reset(new tVec2[static_cast<std::size_t>(object.vertexCount)]{});
}

inline tMaterialInfo makeMaterial(unsigned char r, unsigned char g, unsigned char b)
{
    tMaterialInfo material;
    material.color[0] = r;
    material.color[1] = g;
    material.color[2] = b;
    return material;
}

inline tModelData makeModel(std::initializer_list<t3DObject> objects,
                            std::initializer_list<tMaterialInfo> materials = {})
{
    tModelData model = MakeEmptyModel();
    model.objects.assign(objects);
    model.objectCount = static_cast<int>(model.objects.size());
    model.materials.assign(materials);
    model.materialCount = static_cast<int>(model.materials.size());
    return model;
}

// A model of one rectangle without material.
inline tModelData makeRectModel(float x0, float y0, float x1, float y1, float z = 0)
{
    return makeModel({makeRectObject(x0, y0, x1, y1, z)});
}

// Identity projection and modelview over the whole window, no depth test,
// no blending, cleared to the given colour (and depth 1).
inline void useFlatView(unsigned char r = 0, unsigned char g = 0, unsigned char b = 0)
{
    useGlWindow();
    glViewport(0, 0, kRulesWindowSize, kRulesWindowSize);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glClearColor(r / 255.0f, g / 255.0f, b / 255.0f, 1.0f);
    glClearDepth(1.0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// The pixel's red, green and blue within one step of rounding.
inline void expectPixelNear(int x, int y, int r, int g, int b, int tolerance = 1)
{
    const std::array<unsigned char, 4> pixel = readPixel(x, y);
    EXPECT_NEAR(pixel[0], r, tolerance) << "red at " << x << "," << y;
    EXPECT_NEAR(pixel[1], g, tolerance) << "green at " << x << "," << y;
    EXPECT_NEAR(pixel[2], b, tolerance) << "blue at " << x << "," << y;
}

inline void expectMatrixNear(const std::array<double, 16>& actual,
                             const std::array<double, 16>& expected, double tolerance = 1e-5)
{
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(actual[i], expected[i], tolerance) << "element " << i;
}
