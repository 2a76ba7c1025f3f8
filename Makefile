# make test: install what is missing, build, run every test.
# make run:  install what is missing, build, run the main job on the demo data.
# make windows-test: the same tests cross-built for Windows and run under Wine.
# make package: the Debian package valdren_VERSION_amd64.deb; make package-test checks and installs it.
JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan
TSAN_BUILD ?= build-tsan
BENCH_BUILD ?= build-bench
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Debian packages each goal needs.
BUILD_PACKAGES := g++ make cmake ninja-build libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev \
  qt6-base-dev qt6-svg-dev fonts-dejavu-core
# The real-window test: an X server of its own, a small window manager, and tools to drive it.
WINDOW_TEST_PACKAGES := xvfb xauth openbox xdotool wmctrl imagemagick x11-utils
BENCH_PACKAGES := libbenchmark-dev
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 120
# The Windows build: MinGW-w64's compiler, GoogleTest built from its sources with it, the
# header-only libraries' headers, and Wine to run the programs (64-bit only: no wine32).
WINDOWS_PACKAGES := make cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
  googletest libcli11-dev nlohmann-json3-dev wine wine64
WINDOWS_BUILD ?= build-windows
# The Debian package: CPack's DEB generator (which asks dpkg-shlibdeps, and needs file to find the
# programs), help2man for the tool's manual page, and Debian's checkers; installing it, man-db
# answers man -w.
PACKAGE_PACKAGES := help2man file dpkg-dev lintian desktop-file-utils appstream
PACKAGE_TEST_PACKAGES := man-db
PACKAGE_BUILD ?= build-package

.PHONY: all deps test-deps bench-deps fuzz-deps windows-deps build test run asan-test tsan-test bench fuzz \
  windows-test screenshots install package-deps package package-test clean

all: build

deps:
	@./tools/install-packages $(BUILD_PACKAGES)

test-deps:
	@./tools/install-packages $(BUILD_PACKAGES) $(WINDOW_TEST_PACKAGES)

bench-deps:
	@./tools/install-packages $(BUILD_PACKAGES) $(BENCH_PACKAGES)

fuzz-deps:
	@./tools/install-packages $(BUILD_PACKAGES) $(FUZZ_PACKAGES)

windows-deps:
	@./tools/install-packages $(WINDOWS_PACKAGES)

package-deps:
	@./tools/install-packages $(BUILD_PACKAGES) $(PACKAGE_PACKAGES) $(PACKAGE_TEST_PACKAGES)

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: test-deps build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

# The editor on the demo game folder. Without a display, the tool shows the same database: the
# demo folder's summary, then what the catalog offers Germany in June 1941 (the other nations,
# not expanded, are left out).
run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target valdren-editor valdren
	@if [ -n "$${DISPLAY:-}$${WAYLAND_DISPLAY:-}" ]; then \
	  cd data/demo && exec $(abspath $(BUILD))/src/app/valdren-editor; \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): showing the demo database with the valdren tool instead."; \
	  $(BUILD)/src/valdren -C data/demo check && \
	  $(BUILD)/src/valdren -C data/demo catalog --date 6/41 --depth 3 Germany > $(BUILD)/demo-catalog.txt && \
	  awk '/^  [^ ]/ { shown = ($$0 == "  Germany") } NR == 1 || shown' $(BUILD)/demo-catalog.txt; \
	fi

# The README's pictures, taken from the editor in a real window.
screenshots: test-deps build
	./tools/screenshots $(BUILD)

install: build
	cmake --install $(BUILD)

asan-test: test-deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVALDREN_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --test-dir $(ASAN_BUILD) -j $(JOBS) --output-on-failure

# The core's and the tool's tests under ThreadSanitizer, for work that shares data between threads
# (the editor and the tool run the core on one thread today, so the CI leaves it out).
tsan-test: deps
	cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVALDREN_EDITOR=OFF \
	  -DVALDREN_THREAD_SANITIZE=ON
	cmake --build $(TSAN_BUILD) -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 ctest --test-dir $(TSAN_BUILD) -j $(JOBS) \
	  --output-on-failure

bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVALDREN_TESTS=OFF -DVALDREN_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	./tools/run-benchmarks $(BENCH_BUILD)

fuzz: fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVALDREN_TESTS=OFF -DVALDREN_EDITOR=OFF -DVALDREN_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	./tools/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

# Everything the Windows build finds lives in $(WINDOWS_ROOT); the Wine prefix, made once before
# the first program runs, in $(WINE_PREFIX). Wine needs no display for console programs.
WINDOWS_ROOT = $(abspath $(WINDOWS_BUILD))/root
WINE_PREFIX = $(abspath $(WINDOWS_BUILD))/wine
WINE_ENV = WINEPREFIX=$(WINE_PREFIX) WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
MINGW_CMAKE = -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64.cmake

$(WINDOWS_ROOT)/lib/cmake/GTest/GTestConfig.cmake: | windows-deps
	cmake -S /usr/src/googletest -B $(WINDOWS_BUILD)/googletest $(MINGW_CMAKE) -DBUILD_GMOCK=OFF \
	  -DCMAKE_INSTALL_PREFIX=$(WINDOWS_ROOT)
	cmake --build $(WINDOWS_BUILD)/googletest -j $(JOBS)
	cmake --install $(WINDOWS_BUILD)/googletest
	for dir in include/CLI include/nlohmann share/cmake/CLI11 share/cmake/nlohmann_json; do \
	  mkdir -p $(WINDOWS_ROOT)/$$(dirname $$dir) && ln -sfn /usr/$$dir $(WINDOWS_ROOT)/$$dir; done

$(WINE_PREFIX)/system.reg: | windows-deps
	$(WINE_ENV) wineboot --init 2>/dev/null
	$(WINE_ENV) wineserver --wait

# Wine's own services start with the first program its server runs, and keep that program's
# output open while they last, so whatever reads it (ninja, ctest) waits for them. They start here
# with no output, under a server kept for the whole run (and five minutes more should it fail).
# On a loaded machine Wine now and then fails to start a test's program at all (no output, about
# one process in a thousand): a failed test runs once more, and a real fault fails both times.
windows-test: windows-deps $(WINDOWS_ROOT)/lib/cmake/GTest/GTestConfig.cmake $(WINE_PREFIX)/system.reg
	cmake -S . -B $(WINDOWS_BUILD)/valdren $(MINGW_CMAKE) -DCMAKE_FIND_ROOT_PATH=$(WINDOWS_ROOT) -DVALDREN_EDITOR=OFF \
	  -DCMAKE_CROSSCOMPILING_EMULATOR="env;$(subst $() ,;,$(WINE_ENV));wine"
	$(WINE_ENV) wineserver --persistent=300 </dev/null >/dev/null 2>&1
	$(WINE_ENV) wine cmd /c exit </dev/null >/dev/null 2>&1
	cmake --build $(WINDOWS_BUILD)/valdren -j $(JOBS)
	ctest --test-dir $(WINDOWS_BUILD)/valdren -j $(JOBS) --output-on-failure --repeat until-pass:2
	$(WINE_ENV) wineserver --kill

# The package is built in its own folder, in Release without the tests and with Debian's hardening
# flags; valdren_VERSION_amd64.deb lands here, in place of any older one.
PACKAGE_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get
package: package-deps
	cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVALDREN_TESTS=OFF -DVALDREN_PACKAGE=ON \
	  -DCMAKE_CXX_FLAGS="$$($(PACKAGE_FLAGS) CPPFLAGS) $$($(PACKAGE_FLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(PACKAGE_FLAGS) LDFLAGS)"
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -f $(PACKAGE_BUILD)/valdren_*.deb valdren_*.deb
	cd $(PACKAGE_BUILD) && cpack
	cp $(PACKAGE_BUILD)/valdren_*.deb .

# Debian's checkers on the package, then installs it, tries what it installed, and removes it.
package-test: package
	./tools/package-test valdren_*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD) $(PACKAGE_BUILD) valdren_*.deb
