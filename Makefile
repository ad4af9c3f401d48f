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

BUILD_PACKAGES := cmake make g++ pkg-config freeglut3-dev libglu1-mesa-dev libtinyobjloader-dev \
                  libgl-dev libgl1-mesa-dri libimgui-dev \
                  libx11-dev libstb-dev
TEST_PACKAGES  := libgtest-dev xvfb xdotool x11-utils apitrace \
                  imagemagick python3 procps clang-format
BENCH_PACKAGES := libbenchmark-dev
PACKAGES       := $(BUILD_PACKAGES) $(TEST_PACKAGES) $(BENCH_PACKAGES)

# The sanitizer run: leaks inside the GL, X and Mesa libraries are suppressed
# by tests/sanitizers/lsan.supp; Mesa's driver is preloaded so that it is
# still mapped, and so named in the stacks, when the leak check runs at exit.
MESA_DRIVER   := $(firstword $(wildcard /usr/lib/*/dri/swrast_dri.so))
SANITIZER_ENV := ASAN_OPTIONS=verify_asan_link_order=0 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                 LD_PRELOAD=$(MESA_DRIVER)

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps build run test test-asan format format-check bench install clean

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

test: format-check build
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DVIEWER_SANITIZE=ON -DVIEWER_WERROR=$(WERROR)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	scripts/with-xvfb ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	$(SANITIZER_ENV) scripts/with-xvfb ctest --test-dir $(ASAN_DIR) --output-on-failure \
	  -j $(JOBS) -L 'unit|e2e'

# Every C++ file git tracks, in the style of .clang-format: `make format`
# applies it, `make test` fails on any file that differs.
CXX_SOURCES = $(shell git ls-files '*.cc' '*.h')

format: deps
	clang-format -i $(CXX_SOURCES)

format-check: deps
	@clang-format --dry-run -Werror $(CXX_SOURCES) && echo "clang-format: every C++ file is formatted"

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DVIEWER_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS)
	scripts/with-xvfb scripts/run-bench $(BENCH_DIR)

# The program, its manual page and its desktop entry, under DESTDIR/PREFIX only.
install: build
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR)
