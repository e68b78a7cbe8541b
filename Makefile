# The two commands of this project are `make run` and `make test`; see README.md.
GUI_DIR   := out/gui
NOGUI_DIR := out/nogui
ASAN_DIR  := out/asan
FUZZ_DIR  := out/fuzz
BENCH_DIR := out/bench
SHOT_DIR  := out/screenshots
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Debug

FUZZ_SECONDS ?= 60
# Launch through ccache when it is there, as the developers' configurations do.
LAUNCHER  := $(if $(shell command -v ccache 2>/dev/null),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache,)

.PHONY: all deps gui nogui asan run test test-gui test-nogui test-asan test-windows bench fuzz screenshots screenshots-de package clean

all: gui

deps:
	@scripts/install-deps

gui: deps
	@cmake -S . -B $(GUI_DIR) $(CMAKE_FLAGS) >/dev/null
	cmake --build $(GUI_DIR) -j$(JOBS)

nogui: deps
	@cmake -S . -B $(NOGUI_DIR) $(CMAKE_FLAGS) -DTAMVELOX_GUI=OFF >/dev/null
	cmake --build $(NOGUI_DIR) -j$(JOBS)

test-gui: gui
	cd $(GUI_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# The configuration without Qt proves that core/, deploy/ and cli/ need no GUI library.
test-nogui: nogui
	cd $(NOGUI_DIR) && ctest --output-on-failure -j$(JOBS)

# The GUI-free configuration once more, with AddressSanitizer and UndefinedBehaviorSanitizer and no
# recovery: any report fails its test. Optimised a little, so the sanitizers cost CI little time.
asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=-O1 -DTAMVELOX_GUI=OFF \
	    -DTAMVELOX_SANITIZE=ON $(LAUNCHER) >/dev/null
	cmake --build $(ASAN_DIR) -j$(JOBS)

test-asan: asan
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j$(JOBS)

test: test-gui test-nogui test-asan

# Each libFuzzer target for FUZZ_SECONDS seconds on its corpus (fuzz/corpus/<target>/, where new
# inputs and reproducers are kept); built with clang, every library instrumented.
fuzz: deps
	@CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAMVELOX_GUI=OFF \
	    -DTAMVELOX_TESTS=OFF -DTAMVELOX_FUZZ=ON $(LAUNCHER) >/dev/null
	cmake --build $(FUZZ_DIR) -j$(JOBS)
	@scripts/run-fuzz $(FUZZ_DIR) $(FUZZ_SECONDS)

# The GUI-free tests cross-built for 64-bit Windows and run under wine; not part of `make test`.
test-windows:
	@scripts/install-deps g++-mingw-w64-x86-64-posix wine64 googletest
	@scripts/test-windows $(JOBS)

run: gui
	@scripts/run-demo $(GUI_DIR)

bench: deps
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTAMVELOX_BENCH=ON -DTAMVELOX_TESTS=OFF >/dev/null
	cmake --build $(BENCH_DIR) -j$(JOBS)
	@scripts/run-bench $(BENCH_DIR)

screenshots: gui
	@rm -rf $(SHOT_DIR) && mkdir -p $(SHOT_DIR)
	cd $(GUI_DIR) && QT_QPA_PLATFORM=offscreen TAMVELOX_SCREENSHOT_DIR=$(abspath $(SHOT_DIR)) \
	    ctest -R '^ui_' -j$(JOBS) --output-on-failure
	@echo "screenshots in $(SHOT_DIR):" && ls $(SHOT_DIR)

# The same in German: the window's longer words show where a layout clips. The tests compare English
# texts and fail here; the pictures are what counts.
screenshots-de: gui
	@rm -rf $(SHOT_DIR)-de && mkdir -p $(SHOT_DIR)-de
	-cd $(GUI_DIR) && QT_QPA_PLATFORM=offscreen LANGUAGE=de TAMVELOX_SCREENSHOT_DIR=$(abspath $(SHOT_DIR))-de \
	    ctest -R '^ui_' -j$(JOBS) >/dev/null
	@echo "screenshots in $(SHOT_DIR)-de:" && ls $(SHOT_DIR)-de

# The Debian package, from an optimised build of its own, checked by lintian.
package: deps
	@JOBS=$(JOBS) scripts/make-package out/package

clean:
	rm -rf out
