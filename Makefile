# Front door of the project. `make run` and `make test` do all set-up on a
# fresh Debian 12 machine: each target installs missing packages first.

BUILD_DIR  ?= build
ASAN_DIR   ?= build-asan
BENCH_DIR  ?= build-bench
JOBS       ?= $(shell nproc)
# Where `make install` puts the viewer; DESTDIR, when set, is prepended.
PREFIX     ?= /usr/local
# Warnings are errors in CI, where CI=true is set.
WERROR     := $(if $(CI),ON,OFF)

BUILD_PACKAGES := cmake make g++ pkg-config freeglut3-dev libglu1-mesa-dev \
                  libgl-dev libgl1-mesa-dri libimgui-dev \
                  libx11-dev libstb-dev
TEST_PACKAGES  := libgtest-dev xvfb xdotool x11-utils apitrace \
                  imagemagick python3 procps
BENCH_PACKAGES := libbenchmark-dev
PACKAGES       := $(BUILD_PACKAGES) $(TEST_PACKAGES) $(BENCH_PACKAGES)

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps build run test test-asan bench install clean

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIEWER_WERROR=$(WERROR)

build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@scripts/run-viewer $(BUILD_DIR)

test: build
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DVIEWER_SANITIZE=ON -DVIEWER_WERROR=$(WERROR)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	scripts/with-xvfb ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  scripts/with-xvfb ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS) -L unit

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DVIEWER_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	scripts/with-xvfb scripts/run-bench $(BENCH_DIR)

# The program, its manual page and its desktop entry, under DESTDIR/PREFIX only.
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR)
