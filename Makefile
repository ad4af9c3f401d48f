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
                  libx11-dev libxcomposite-dev libstb-dev
TEST_PACKAGES  := libgtest-dev xvfb xdotool x11-utils apitrace \
                  imagemagick python3 procps clang-format dpkg-dev
BENCH_PACKAGES := libbenchmark-dev
PACKAGES       := $(BUILD_PACKAGES) $(TEST_PACKAGES) $(BENCH_PACKAGES)
# Only `make deb` needs these (CPack's Depends: from dpkg-shlibdeps; lintian).
DEB_PACKAGES   := dpkg-dev lintian

# The sanitizer run: the unit tests and the end-to-end tests labelled
# "sanitize" (the session scripts, which run the whole viewer briefly, and
# the standard streams, whose code has no unit test); the other end-to-end
# tests drive the same code for much longer and run in the plain tree only,
# the install test among them. Leaks inside the GL, X and Mesa libraries are
# suppressed by tests/sanitizers/lsan.supp; Mesa's driver is preloaded so that
# it is still mapped, and so named in the stacks, when the leak check runs at
# exit.
MESA_DRIVER   := $(firstword $(wildcard /usr/lib/*/dri/swrast_dri.so))
SANITIZER_ENV := ASAN_OPTIONS=verify_asan_link_order=0 \
                 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
                 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                 LD_PRELOAD=$(MESA_DRIVER)

SUDO := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: deps deb-deps build build-viewer run test test-asan format format-check bench install deb clean

# $(call install-missing,PACKAGE...): apt-get installs those not installed yet.
define install-missing
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing missing packages:" $$missing; \
	  $(SUDO) apt-get update -q && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install-missing,$(PACKAGES))

deb-deps:
	$(call install-missing,$(DEB_PACKAGES))

$(BUILD_DIR)/CMakeCache.txt:
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIEWER_WERROR=$(WERROR)

# Everything: the viewer, the tests and their tools.
build: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS)

# The viewer alone, which is all that running and installing need.
build-viewer: deps $(BUILD_DIR)/CMakeCache.txt
	cmake --build $(BUILD_DIR) -j $(JOBS) --target viewer

run: build-viewer
	@scripts/run-viewer $(BUILD_DIR)

test: format-check build
	cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DVIEWER_SANITIZE=ON -DVIEWER_WERROR=$(WERROR)
	cmake --build $(ASAN_DIR) -j $(JOBS)
	scripts/with-xvfb ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	$(SANITIZER_ENV) scripts/with-xvfb ctest --test-dir $(ASAN_DIR) --output-on-failure \
	  -j $(JOBS) -L 'unit|sanitize'

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
install: build-viewer
	DESTDIR=$(DESTDIR) cmake --install $(BUILD_DIR) --prefix $(PREFIX) --strip

# A Debian package of what `make install` installs, in BUILD_DIR, checked by
# lintian. A lab installs it with `sudo apt install ./viewer_VERSION_ARCH.deb`.
deb: build-viewer deb-deps
	rm -f $(BUILD_DIR)/viewer_*.deb
	cd $(BUILD_DIR) && cpack -G DEB
	lintian --fail-on error $(BUILD_DIR)/viewer_*.deb && echo "lintian: no errors"

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(BENCH_DIR)
