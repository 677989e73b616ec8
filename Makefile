# The two commands: `make play` and `make test`.  Both install the Debian
# packages that are missing, then build with CMake into build/.
#   make test SANITIZE=1   runs the suite in the AddressSanitizer/UBSan build
#   make fuzz              fuzzes the model reader for two minutes (clang, build-fuzz/)

SANITIZE ?= 0
JOBS ?= $(shell nproc)
ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS := -DHEXTOWER_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
else
BUILD_DIR := build
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

PACKAGES := cmake make g++ pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev \
	libgl1-mesa-dri libgtest-dev libstb-dev xvfb xauth xdotool clang libclang-rt-14-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# -noreset: the server must not reset between two test programs, or the next
# one may find no display to connect to.
XVFB := $(if $(DISPLAY),,xvfb-run -a -s "-screen 0 1280x1024x24 -noreset")

FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer

.PHONY: play test build deps clean fuzz

play: build
	cd assets && ../$(BUILD_DIR)/bin/hextower

test: build
	cd $(BUILD_DIR) && $(XVFB) ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j$(JOBS)

fuzz: deps
	cmake -S . -B build-fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF -DHEXTOWER_FUZZ=ON \
		"-DCMAKE_CXX_FLAGS=$(FUZZ_FLAGS)"
	cmake --build build-fuzz -j$(JOBS) --target fuzz-model fuzz-seeds
	tools/fuzz-model/run-fuzz.sh

deps:
	@missing=$$(for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		$(SUDO) apt-get update && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf build build-sanitize build-fuzz
