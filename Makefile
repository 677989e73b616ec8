# The two commands: `make play` and `make test`.  Both install the Debian
# packages that are missing, then build with CMake, each in a folder of its
# own so that neither changes the other's build:
#   make play              the game alone, as players build it (build-play/)
#   make test              every test, warnings fatal (build/)
#   make test SANITIZE=1   the suite in the AddressSanitizer/UBSan build (build-sanitize/)
#   make fuzz              fuzzes the model reader (90 s) and the texture pictures (60 s)
#                          (clang, build-fuzz/)
#   make package           builds build-package/hextower_<version>_<arch>.deb and runs lintian on it
#   make icons             renders the menu icons in packaging/icons/ again

SANITIZE ?= 0
JOBS ?= $(shell nproc)
# Where developers work, a warning stops the build; in a player's or a
# distribution's build it stays a warning.
DEVELOPER_FLAGS := -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS := -DHEXTOWER_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug $(DEVELOPER_FLAGS)
else
BUILD_DIR := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo $(DEVELOPER_FLAGS)
endif
PLAY_DIR := build-play
PACKAGE_DIR := build-package
RELEASE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF

# What each target needs: building and playing; the tests (an X server,
# pointer control, the menu-entry and metadata validators); the fuzzer; the
# Debian package and its check.
# libstb-dev is not the game's: the snapshot tool, configured with it, writes
# PNG files with it.
PLAY_PACKAGES := cmake make g++ pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev \
	libgl1-mesa-dri libpng-dev libjpeg62-turbo-dev libstb-dev libx11-dev libxrandr-dev
TEST_PACKAGES := $(PLAY_PACKAGES) libgtest-dev xvfb xauth xdotool x11-xserver-utils desktop-file-utils appstream
FUZZ_PACKAGES := $(PLAY_PACKAGES) clang libclang-rt-14-dev
PACKAGE_PACKAGES := $(PLAY_PACKAGES) dpkg-dev file lintian
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# -noreset: the server must not reset between two test programs, or the next
# one may find no display to connect to.
XVFB := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")

FUZZ_MODEL_SECONDS ?= 90
FUZZ_PICTURE_SECONDS ?= 60
FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: play test build clean fuzz icons package

# Only the game: the tests are left out, so their tools are not needed.
play:
	$(call install-missing,$(PLAY_PACKAGES))
	cmake -S . -B $(PLAY_DIR) $(RELEASE_FLAGS)
	cmake --build $(PLAY_DIR) -j$(JOBS) --target hextower
	cd assets && ../$(PLAY_DIR)/bin/hextower

test: build
	cd $(BUILD_DIR) && $(XVFB) ctest --output-on-failure -j$(JOBS)

build:
	$(call install-missing,$(TEST_PACKAGES))
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DBUILD_TESTING=ON
	cmake --build $(BUILD_DIR) -j$(JOBS)

fuzz:
	$(call install-missing,$(FUZZ_PACKAGES))
	cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DHEXTOWER_FUZZ=ON $(DEVELOPER_FLAGS) \
		"-DCMAKE_CXX_FLAGS=$(FUZZ_FLAGS)"
	cmake --build build-fuzz -j$(JOBS) --target fuzz-model fuzz-seeds fuzz-picture fuzz-picture-seeds
	tools/run-fuzz.sh fuzz-model fuzz-seeds $(FUZZ_MODEL_SECONDS) ../shared/corpus/3ds
	tools/run-fuzz.sh fuzz-picture fuzz-picture-seeds $(FUZZ_PICTURE_SECONDS)

# The menu icons, rendered again from the real scene under Xvfb (always,
# so that they do not depend on the screen's graphics driver); the tests
# compare the committed ones against a fresh rendering.
icons: build
	cd assets && xvfb-run -a -s "-screen 0 1280x1024x24" \
		../packaging/make-icons.sh ../$(BUILD_DIR)/bin/snapshot ../packaging/icons

# The .deb from a release build of its own, checked by lintian; only what it
# holds is built (the game and its generated files).  Its files carry the
# time of the last commit (or, outside git, the changelog's date), so that
# the same commit always gives the same package; so do the modes of the
# archive's members, which cpack takes from the umask.
package: export SOURCE_DATE_EPOCH ?= $(shell [ -e .git ] && git log -1 --format=%ct || \
	date -d "$$(sed -n 's/^ -- [^ ]*  //p' packaging/changelog.in)" +%s)
package:
	$(call install-missing,$(PACKAGE_PACKAGES))
	cmake -S . -B $(PACKAGE_DIR) $(RELEASE_FLAGS) -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
	cmake --build $(PACKAGE_DIR) -j$(JOBS) --target hextower install_files
	cd $(PACKAGE_DIR) && umask 022 && cpack
	lintian --fail-on error,warning "$$(ls -t $(PACKAGE_DIR)/hextower_*.deb | head -n 1)"

# Installs the Debian packages of $(1) that are missing, through sudo when
# not root.
define install-missing
	@missing=$$(for p in $(1); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends \
			-o DPkg::Lock::Timeout=600 $$missing; \
	fi
endef

clean:
	rm -rf build build-sanitize build-fuzz $(PLAY_DIR) $(PACKAGE_DIR)
