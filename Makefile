# The two commands a newcomer needs: `make run` and `make test`.
# Both install what is missing first (scripts/install-deps.sh), then build.

BUILD      ?= build
BUILD_SAN  ?= build-san
JOBS       ?= $(shell nproc)
GENERATOR  := -G Ninja

# Cached objects are keyed by paths relative to this folder, so a fresh clone
# elsewhere reuses them.
export CCACHE_BASEDIR := $(CURDIR)

.PHONY: all deps build build-san test test-main test-san run package install-package remove-package clean

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

test-main: build
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

clean:
	rm -rf $(BUILD) $(BUILD_SAN)
