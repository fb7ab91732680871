# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing first (scripts/install-deps.sh), then build.

BUILD      ?= build
BUILD_SAN  ?= build-san
JOBS       ?= $(shell nproc)
GENERATOR  := -G Ninja

# Cached objects are keyed by paths relative to this folder, so a fresh clone
# elsewhere reuses them.
export CCACHE_BASEDIR := $(CURDIR)

.PHONY: all deps build build-san test test-main test-san run package install-package remove-package clean windows test-windows

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

$(BUILD_SAN)/build.ninja: | deps
	cmake -S . -B $(BUILD_SAN) $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DTOLVAN_SANITIZE=ON

build-san: deps $(BUILD_SAN)/build.ninja
	cmake --build $(BUILD_SAN) -j $(JOBS)

CTEST_FLAGS := --output-on-failure -j $(JOBS)

# The tests check the Debian package too (ctest package_check), so they build it.
test-main: package
	ctest --test-dir $(BUILD) $(CTEST_FLAGS)

# Every suite again under AddressSanitizer and UndefinedBehaviorSanitizer.
test-san: build-san
	ctest --test-dir $(BUILD_SAN) $(CTEST_FLAGS)

test: test-main test-san

run: build
	@scripts/run.sh $(BUILD)

# Root runs apt itself; anyone else through sudo (a system without sudo is
# administered as root).
AS_ROOT := $(if $(filter 0,$(shell id -u)),,sudo)

# The Debian package of the ten programs: $(BUILD)/tolvan-programming-tools_*.deb.
package: deps
	cmake -S . -B $(BUILD) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr
	cmake --build $(BUILD) -j $(JOBS) --target package

# Installs the package `make package` built; it builds nothing, so the tree
# never gets files owned by root.
install-package:
	$(AS_ROOT) apt install ./$(BUILD)/tolvan-programming-tools_*_$$(dpkg --print-architecture).deb

remove-package:
	$(AS_ROOT) apt remove tolvan-programming-tools

# Windows: the ten programs cross-built with MinGW-w64 against the Qt that
# scripts/build-qt-windows.sh builds once into QT_WINDOWS, and tested under Wine.
# `make windows` gives $(BUILD_WIN)/tolvan-programming-tools-*-windows-x64.zip
# and the installer beside it; `make test-windows` runs the suites under Wine
# and reads and writes the pseudo-terminal radio through a COM port.
BUILD_WIN  ?= build-windows
QT_WINDOWS ?= $(or $(TOLVAN_QT_WINDOWS),$(HOME)/.cache/tolvan-qt-windows)/qt

$(BUILD_WIN)/build.ninja:
	@test -f $(QT_WINDOWS)/.tolvan-complete || { echo "No Qt for Windows in $(QT_WINDOWS): run scripts/build-qt-windows.sh first"; exit 1; }
	cmake -S . -B $(BUILD_WIN) $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=$(CURDIR)/resources/windows/mingw64.cmake -DCMAKE_PREFIX_PATH=$(QT_WINDOWS) -DCMAKE_FIND_ROOT_PATH=$(QT_WINDOWS) \
	  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake

windows: $(BUILD_WIN)/build.ninja
	cmake --build $(BUILD_WIN) -j $(JOBS)
	resources/windows/deploy.sh $(BUILD_WIN)/bin $(QT_WINDOWS)
	scripts/package-windows.sh $(BUILD_WIN)

# Wine keeps its own C: drive and registry for these runs in $(BUILD_WIN)/wine.
test-windows: export WINEPREFIX := $(CURDIR)/$(BUILD_WIN)/wine
# One Wine server with its services for the whole run, started before the
# suites: started by a test, it would hold that test's output open to the end.
test-windows: windows build
	scripts/wine-prefix.sh $(BUILD_WIN)
	wineserver -k 2>/dev/null || true
	wineserver -p >/dev/null 2>&1
	wine cmd /c exit >/dev/null 2>&1 || true
	ctest --test-dir $(BUILD_WIN) $(CTEST_FLAGS) && scripts/wine-com-transfer.sh $(BUILD) $(BUILD_WIN); \
	  status=$$?; wineserver -k; exit $$status

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_WIN)
