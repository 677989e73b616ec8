// Textures made from pictures: the pixels from file bytes without OpenGL,
// then the loader against a real OpenGL context.

#include "model3ds/ModelFileReader.h"
#include "model3ds/TextureLoader.h"
#include "model3ds/TexturePixels.h"
#include "tests/model3ds/ModelFileTest.h"
#include "tests/support/GlWindow.h"
#include "devlibs/model_samples/SampleChunks.h"
#include "devlibs/picture_samples/HostilePictures.h"

#include <GL/gl.h>
#include <GL/glx.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

namespace {

PictureBytes changed(PictureBytes bytes, const std::function<void(PictureBytes&)>& change)
{
    change(bytes);
    return bytes;
}

PictureBytes firstHalf(const PictureBytes& bytes)
{
    return PictureBytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2));
}

PictureBytes badSignature(PictureBytes bytes)
{
    bytes[0] ^= 0x20;
    return bytes;
}

struct PictureCase {
    const char* what;
    PictureBytes bytes;
    int textureWidth;  // 0: no texture, the reason below given instead
    int textureHeight;
    std::string reason;     // the texture made: empty
    tPicture decoded;       // what decoding should give
    int tolerance = 0;      // JPEG may differ by this much a colour channel
};

std::vector<PictureCase> pictureCases()
{
    const tPicture gradient = gradientPicture(64, 100);
    const tPicture quarters = quarterPicture(8, 6);
    const tPicture grey = greyPicture(9, 5);
    const std::string tooMany = " pixels, more than the 16777216 a picture may have";
    return {
        {"PNG, one side stretched", pngFile(gradient), 64, 128, "", gradient},
        {"PNG, grey", pngFile(grey, PngKind::Grey), 8, 4, "", grey},
        {"PNG, palette", pngFile(quarters, PngKind::Palette), 8, 8, "", quarters},
        {"PNG, alpha dropped", pngFile(quarters, PngKind::RgbAlpha), 8, 8, "", quarters},
        {"PNG, 16 bits a channel", pngFile(quarters, PngKind::Deep16), 8, 8, "", quarters},
        {"PNG, interlaced", pngFile(gradient, PngKind::Interlaced), 64, 128, "", gradient},
        {"JPEG", jpegFile(gradient), 64, 128, "", gradient, 6},
        {"JPEG, grey", jpegFile(grey, JpegKind::Grey), 8, 4, "", grey, 6},
        {"JPEG, progressive", jpegFile(gradient, JpegKind::Progressive), 64, 128, "", gradient, 6},
        {"BMP, 24 bits", bmpFile(quarters), 8, 8, "", quarters},
        {"BMP, 32 bits top first", bmpFile(quarters, 32, true), 8, 8, "", quarters},
        {"BMP, palette", bmpFile(quarters, 8), 8, 8, "", quarters},
        {"PNG, a side of 0", changed(pngFile(quarters), [](auto& b) { claimPngSize(b, 0, 4); }), 0, 0,
         "Invalid IHDR data", {}},
        {"PNG, huge", changed(pngFile(quarters), [](auto& b) { claimPngSize(b, 65535, 65535); }), 0, 0,
         "65535 x 65535" + tooMany, {}},
        {"PNG, cut short", firstHalf(pngFile(gradient)), 0, 0, "cut short", {}},
        {"PNG, bad signature", badSignature(pngFile(quarters)), 0, 0, "not a PNG, JPEG or BMP picture", {}},
        {"JPEG, a side of 0", changed(jpegFile(quarters), [](auto& b) { claimJpegSize(b, 4, 0); }), 0, 0,
         "Empty JPEG image (DNL not supported)", {}},
        {"JPEG, huge", changed(jpegFile(quarters), [](auto& b) { claimJpegSize(b, 65500, 65500); }), 0, 0,
         "65500 x 65500" + tooMany, {}},
        {"JPEG, cut short", firstHalf(jpegFile(gradient)), 0, 0, "Premature end of JPEG file", {}},
        {"JPEG, bad signature", badSignature(jpegFile(quarters)), 0, 0, "not a PNG, JPEG or BMP picture", {}},
        {"JPEG, Huffman table past 256 codes", changed(jpegFile(quarters), overfillJpegHuffmanTable), 0, 0,
         "Bogus Huffman table definition", {}},
        {"BMP, a side of 0", changed(bmpFile(quarters), [](auto& b) { claimBmpSize(b, 4, 0); }), 0, 0,
         "a side of 0 pixels", {}},
        {"BMP, huge", changed(bmpFile(quarters), [](auto& b) { claimBmpSize(b, 65535, -65535); }), 0, 0,
         "65535 x 65535" + tooMany, {}},
        {"BMP, cut short", firstHalf(bmpFile(quarters)), 0, 0, "cut short in its pixels", {}},
        {"BMP, bad signature", badSignature(bmpFile(quarters)), 0, 0, "not a PNG, JPEG or BMP picture", {}},
        {"GIF", gifClaiming(21512, 17235), 0, 0, "GIF pictures are not read, only PNG, JPEG and BMP", {}},
        {"PPM", ppmFile(0, 4), 0, 0, "PNM pictures are not read, only PNG, JPEG and BMP", {}},
    };
}

// The largest difference of one colour channel, or 256 for another size.
int pictureDifference(const tPicture& a, const tPicture& b)
{
    if (a.width != b.width || a.height != b.height || a.rgb.size() != b.rgb.size())
        return 256;
    int difference = 0;
    for (std::size_t i = 0; i < a.rgb.size(); ++i)
        difference = std::max(difference, std::abs(a.rgb[i] - b.rgb[i]));
    return difference;
}

std::array<unsigned char, 4> texel(const tTexturePixels& texture, int x, int rowFromBottom)
{
    const unsigned char* p = texture.rgba.data() + (static_cast<std::size_t>(rowFromBottom) * texture.width + x) * 4;
    return {p[0], p[1], p[2], p[3]};
}

std::array<unsigned char, 4> withAlpha(const tPicture& picture, int x, int rowFromTop)
{
    const unsigned char* p = picture.rgb.data() + (static_cast<std::size_t>(rowFromTop) * picture.width + x) * 3;
    return {p[0], p[1], p[2], static_cast<unsigned char>((p[0] | p[1] | p[2]) == 0 ? 0 : 255)};
}

}  // namespace

TEST(TextureSide, RoundsToTheNearestPowerOfTwoOnALogScale)
{
    EXPECT_EQ(TextureSide(100, 4096), 128);
    EXPECT_EQ(TextureSide(90, 4096), 64);
    EXPECT_EQ(TextureSide(181, 4096), 128);
    EXPECT_EQ(TextureSide(182, 4096), 256);
    EXPECT_EQ(TextureSide(1, 4096), 1);
    EXPECT_EQ(TextureSide(0, 4096), 1);
    EXPECT_EQ(TextureSide(256, 4096), 256);
    EXPECT_EQ(TextureSide(4097, 4096), 4096);
    EXPECT_EQ(TextureSide(3000, 3000), 3000);  // never past the largest side
}

// Each picture becomes its texture, or fails with its reason, with no
// OpenGL; the texture's corners are the picture's, bottom row first, with
// black transparent.
TEST(TexturePixels, EachPictureLoadsOrFailsWithItsReason)
{
    for (const PictureCase& c : pictureCases()) {
        SCOPED_TRACE(c.what);
        tTexturePixels texture;
        std::string reason;
        const bool made = MakeTexturePixels(c.bytes.data(), c.bytes.size(), 4096, texture, reason);
        EXPECT_EQ(reason, c.reason);
        ASSERT_EQ(made, c.textureWidth != 0);
        if (!made)
            continue;
        tPicture decoded;
        ASSERT_TRUE(DecodePicture(c.bytes.data(), c.bytes.size(), decoded, reason));
        EXPECT_LE(pictureDifference(decoded, c.decoded), c.tolerance);
        EXPECT_EQ(texture.width, c.textureWidth);
        EXPECT_EQ(texture.height, c.textureHeight);
        ASSERT_EQ(texture.rgba.size(), static_cast<std::size_t>(texture.width * texture.height * 4));
        const int right = decoded.width - 1;
        const int bottom = decoded.height - 1;
        EXPECT_EQ(texel(texture, 0, 0), withAlpha(decoded, 0, bottom));
        EXPECT_EQ(texel(texture, texture.width - 1, texture.height - 1), withAlpha(decoded, right, 0));
    }
}

TEST(TexturePixels, StretchTakesThePixelUnderEachCentre)
{
    // Columns of 0, 10, 20, rows of 0, 1: to 6 x 1 each column doubles and
    // the one row is taken from below the middle.
    const tPicture picture{3, 2, {0, 0, 0, 10, 0, 0, 20, 0, 0, 0, 1, 0, 10, 1, 0, 20, 1, 0}};
    const tPicture stretched = StretchPicture(picture, 6, 1);
    const std::vector<unsigned char> expected = {0, 1, 0, 0, 1, 0, 10, 1, 0, 10, 1, 0, 20, 1, 0, 20, 1, 0};
    EXPECT_EQ(stretched.rgb, expected);
    tTexturePixels texture;
    std::string reason;
    const PictureBytes wide = pngFile(gradientPicture(100, 3));
    ASSERT_TRUE(MakeTexturePixels(wide.data(), wide.size(), 64, texture, reason));
    EXPECT_EQ(texture.width, 64);  // the largest side the caller gives
}

namespace {

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

    void writePicture(const std::string& name, const PictureBytes& bytes) const
    {
        std::ofstream out(picPath(name), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        ASSERT_TRUE(out.good());
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

TEST_F(TextureTest, GoodPicturesBecomeTexturesOfTheirSize)
{
    const std::vector<std::tuple<std::string, PictureBytes, int, int>> cases = {
        {"a.png", pngFile(greyPicture(100, 100)), 128, 128},
        {"b.jpg", jpegFile(gradientPicture(64, 100)), 64, 128},
        {"c.bmp", bmpFile(quarterPicture(181, 182)), 128, 256},
    };
    for (const auto& [name, bytes, textureWidth, textureHeight] : cases) {
        writePicture(name, bytes);
        unsigned textureId = 0;
        testing::internal::CaptureStdout();
        ASSERT_TRUE(LoadTextureImage(name.c_str(), textureId));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "load " + picPath(name) + "!");
        EXPECT_NE(textureId, 0u);
        EXPECT_EQ(textureSize(textureId), (std::array<GLint, 2>{textureWidth, textureHeight})) << name;
    }
    EXPECT_TRUE(damageLines().empty());
}

TEST_F(TextureTest, SideBeyondTheLimitBecomesTheLimit)
{
    GLint maxSide = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSide);
    writePicture("wide.png", pngFile(greyPicture(maxSide + 1, 1), PngKind::Grey));
    unsigned textureId = 0;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(LoadTextureImage("wide.png", textureId));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(textureSize(textureId), (std::array<GLint, 2>{maxSide, 1}));
}

TEST_F(TextureTest, BottomRowFirstAndBlackTransparent)
{
    // Top row: black, (1, 0, 0); bottom row: (0, 0, 1), white.
    writePicture("alpha.png", pngFile({2, 2, {0, 0, 0, 1, 0, 0, 0, 0, 1, 255, 255, 255}}));
    unsigned textureId = 0;
    testing::internal::CaptureStdout();
    ASSERT_TRUE(LoadTextureImage("alpha.png", textureId));
    testing::internal::GetCapturedStdout();
    const std::vector<unsigned char> expected = {0, 0, 1, 255, 255, 255, 255, 255, 0, 0, 0, 0, 1, 0, 0, 255};
    EXPECT_EQ(texturePixels(textureId, 2, 2), expected);
}

TEST_F(TextureTest, NoTextureLeavesTheSlotAndTellsOnlyOfABadPicture)
{
    writePicture("there.png", pngFile(greyPicture(8, 8)));
    writePicture("garbage.png", {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'});
    std::filesystem::create_directories(picPath("folder.png"));
    unsigned textureId = 77;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(LoadTextureImage("missing.png", textureId));
    EXPECT_FALSE(LoadTextureImage("../pic/http://example.invalid/there.png", textureId));
    EXPECT_TRUE(damageLines().empty());
    EXPECT_FALSE(LoadTextureImage("garbage.png", textureId));
    EXPECT_FALSE(LoadTextureImage("folder.png", textureId));

    // No context current, as while the global objects are built.
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    const GLXContext context = glXGetCurrentContext();
    glXMakeCurrent(display, None, nullptr);
    EXPECT_FALSE(LoadTextureImage("there.png", textureId));
    glXMakeCurrent(display, drawable, context);

    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(textureId, 77u);
    EXPECT_EQ(damageLines(), (std::vector<std::string>{
                                 picPath("garbage.png") + ": unreadable picture: not a PNG, JPEG or BMP picture",
                                 picPath("folder.png") + ": unreadable picture: not a regular file"}));
}

TEST_F(TextureTest, ModelMaterialsGetTheirTextures)
{
    writePicture("wood.png", pngFile({2, 2, std::vector<unsigned char>(12, 150)}));
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
    writePicture("far.png", pngFile(greyPicture(4, 4)));
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
