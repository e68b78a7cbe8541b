# The two commands of this project are `make run` and `make test`; see README.md.
GUI_DIR   := out/gui
NOGUI_DIR := out/nogui
BENCH_DIR := out/bench
SHOT_DIR  := out/screenshots
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=Debug

.PHONY: all deps gui nogui run test test-gui test-nogui test-windows bench screenshots package clean

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

test: test-gui test-nogui

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

# The Debian package, from an optimised build of its own, checked by lintian.
package: deps
	@JOBS=$(JOBS) scripts/make-package out/package

clean:
	rm -rf out
