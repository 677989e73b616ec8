// Textures made from images, against a real OpenGL context.

#include "model3ds/ModelFileReader.h"
#include "model3ds/TextureLoader.h"
#include "tests/model3ds/ModelFileTest.h"
#include "tests/support/GlWindow.h"
#include "devlibs/model_samples/SampleChunks.h"

#include <GL/gl.h>
#include <GL/glx.h>
#include <stb_image_write.h>
#include <unistd.h>

#include <array>
#include <filesystem>

namespace {

using Pixel = std::array<unsigned char, 3>;

// Runs in a scratch folder of its own, which holds Data/pic/.
class TextureTest : public ModelFileTest {
protected:
    void SetUp() override
    {
        ModelFileTest::SetUp();
        useGlWindow();
        std::filesystem::create_directories(folder + "/Data/pic");
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(folder);
    }

    void TearDown() override
    {
        std::filesystem::current_path(previousFolder);
        ModelFileTest::TearDown();
    }

    // Writes an image into Data/pic; pixels given top row first.
    void writeImage(const std::string& name, int width, int height, const std::vector<Pixel>& pixels) const
    {
        const std::string path = folder + "/Data/pic/" + name;
        ASSERT_NE(stbi_write_png(path.c_str(), width, height, 3, pixels.data(), width * 3), 0);
    }

    void writeGreyImage(const std::string& name, int width, int height) const
    {
        writeImage(name, width, height, std::vector<Pixel>(static_cast<std::size_t>(width * height), {90, 90, 90}));
    }

    std::string picPath(const std::string& name) const { return folder + "/Data/pic/" + name; }

    std::filesystem::path previousFolder;
};

std::array<GLint, 2> textureSize(unsigned textureId)
{
    std::array<GLint, 2> size{};
    glBindTexture(GL_TEXTURE_2D, textureId);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &size[0]);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &size[1]);
    return size;
}

std::vector<unsigned char> texturePixels(unsigned textureId, int width, int height)
{
    std::vector<unsigned char> rgba(static_cast<std::size_t>(width * height * 4));
    glBindTexture(GL_TEXTURE_2D, textureId);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    return rgba;
}

}  // namespace

TEST(TextureSide, RoundsToTheNearestPowerOfTwoOnALogScale)
{
    EXPECT_EQ(TextureSide(100, 4096), 128);
    EXPECT_EQ(TextureSide(90, 4096), 64);
    EXPECT_EQ(TextureSide(181, 4096), 128);
    EXPECT_EQ(TextureSide(182, 4096), 256);
    EXPECT_EQ(TextureSide(1, 4096), 1);
    EXPECT_EQ(TextureSide(256, 4096), 256);
    EXPECT_EQ(TextureSide(4097, 4096), 4096);
    EXPECT_EQ(TextureSide(3000, 3000), 3000);  // never past the largest side
}

TEST_F(TextureTest, StretchesEachSideToAPowerOfTwo)
{
    const std::vector<std::array<int, 4>> cases = {
        {100, 100, 128, 128}, {90, 90, 64, 64}, {181, 182, 128, 256}, {64, 32, 64, 32}};
    for (const auto& [width, height, textureWidth, textureHeight] : cases) {
        const std::string name = "grey" + std::to_string(width) + ".png";
        writeGreyImage(name, width, height);
        unsigned textureId = 0;
        testing::internal::CaptureStdout();
        ASSERT_TRUE(LoadTextureImage(name.c_str(), textureId));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "load " + picPath(name) + "!");
        EXPECT_NE(textureId, 0u);
        EXPECT_EQ(textureSize(textureId), (std::array<GLint, 2>{textureWidth, textureHeight})) << name;
        EXPECT_EQ(texturePixels(textureId, textureWidth, textureHeight)[0], 90);
    }
}

TEST_F(TextureTest, SideBeyondTheLimitBecomesTheLimit)
{
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    writeGreyImage("wide.png", maxSide + 1, 1);
    unsigned textureId = 0;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(LoadTextureImage("wide.png", textureId));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(textureSize(textureId), (std::array<GLint, 2>{maxSide, 1}));
}

TEST_F(TextureTest, BottomRowFirstAndBlackTransparent)
{
    // Top row: black, (1, 0, 0); bottom row: (0, 0, 1), white.
    writeImage("alpha.png", 2, 2, {{0, 0, 0}, {1, 0, 0}, {0, 0, 1}, {255, 255, 255}});
    unsigned textureId = 0;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(LoadTextureImage("alpha.png", textureId));
    testing::internal::GetCapturedStdout();
    const std::vector<unsigned char> rgba = texturePixels(textureId, 2, 2);
    const std::vector<unsigned char> expected = {0, 0, 1, 255, 255, 255, 255, 255, 0, 0, 0, 0, 1, 0, 0, 255};
    EXPECT_EQ(rgba, expected);
}

TEST_F(TextureTest, FailsQuietlyWithoutAnImageOrAContext)
{
    writeGreyImage("there.png", 8, 8);
    unsigned textureId = 77;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(LoadTextureImage("missing.png", textureId));
    saveBytes({'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}, "Data/pic/garbage.png");
    EXPECT_FALSE(LoadTextureImage("garbage.png", textureId));
    EXPECT_FALSE(LoadTextureImage("../pic/http://example.invalid/there.png", textureId));

    // No context current, as while the global objects are built.
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    const GLXContext context = glXGetCurrentContext();
    glXMakeCurrent(display, None, nullptr);
    EXPECT_FALSE(LoadTextureImage("there.png", textureId));
    glXMakeCurrent(display, drawable, context);

    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(textureId, 77u);
}

TEST_F(TextureTest, ModelMaterialsGetTheirTextures)
{
    writeImage("wood.png", 2, 2, std::vector<Pixel>(4, {150, 100, 50}));
    testing::internal::CaptureStdout();
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        writeMaterial(w, "Plain", {1, 2, 3});
        writeMaterial(w, "Wood", {1, 2, 3}, "wood.png");
        beginMeshObject(w, "Board");
        writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        writeFaceList(w, {{0, 1, 2}}, "Wood");
        endMeshObject(w);
    }));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "load " + picPath("wood.png") + "!file name : wood.png!\n");
    EXPECT_EQ(model.textureIds[0], 0u);
    EXPECT_NE(model.textureIds[1], 0u);
    EXPECT_EQ(textureSize(model.textureIds[1]), (std::array<GLint, 2>{2, 2}));
}

TEST_F(TextureTest, MaterialsPastTheLastSlotGetNoTexture)
{
    writeGreyImage("far.png", 4, 4);
    testing::internal::CaptureStdout();
    const tModelData model = loadWritten(rootFile([](ChunkWriter& w) {
        for (int i = 0; i < kMaxTextureSlots; ++i)
            writeMaterial(w, "M" + std::to_string(i), {1, 1, 1});
        writeMaterial(w, "Far", {1, 1, 1}, "far.png");
        beginMeshObject(w, "UsesFar");
        writeVertexList(w, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
        writeFaceList(w, {{0, 1, 2}}, "Far");
        endMeshObject(w);
    }));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "file name : far.png!\n");
    ASSERT_EQ(model.materialCount, kMaxTextureSlots + 1);
    ASSERT_EQ(model.objectCount, 1);
    EXPECT_EQ(model.objects[0].materialIndex, kMaxTextureSlots);
    EXPECT_TRUE(model.objects[0].textured);
    for (const unsigned textureId : model.textureIds)
        EXPECT_EQ(textureId, 0u);
}
