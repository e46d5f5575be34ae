# Two commands for a fresh Debian 12 machine: `make run` plays, `make test` runs every test.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# Seconds a test without a limit of its own may take before it fails as hung.
TEST_TIMEOUT ?= 300

.PHONY: deps configure build run test test-fast test-asan test-debian13 sim bench soak soak-gui package clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/gusanicida

# Every test, headless, then all of them again under AddressSanitizer and UBSan, then the fast
# ones on Debian 13 in a chroot (skipped, and said so, without root).
test: test-fast test-asan test-debian13

test-fast: build
	QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout $(TEST_TIMEOUT)
	./scripts/check-package.sh $(BUILD)
	./scripts/soak-gui.sh $(BUILD) 2

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DGUS_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) --timeout $(TEST_TIMEOUT) -LE atspi
	./scripts/soak-gui.sh $(ASAN_BUILD) 2

test-debian13:
	./scripts/debian13.sh

sim: build
	./$(BUILD)/bin/gusanicida-sim

bench: build
	./$(BUILD)/bin/bench_latency
	./$(BUILD)/bin/bench_ui
	./scripts/bench-program.sh $(BUILD)
	./bench/orca/bench-orca.sh $(BUILD)
	./scripts/bench-server.sh $(BUILD)
	./bench/keysound/bench-keysound.sh $(BUILD)

soak: build
	GUS_SOAK_WINDOWS=$(or $(GAMES),10000) ./$(BUILD)/bin/test_partidas --gtest_filter='KeyStorm.Soak*'

# The real program with Orca under Xvfb, played by keys across every window for MINUTES (60).
soak-gui: build
	./scripts/soak-gui.sh $(BUILD) $(or $(MINUTES),60)

# CPack's .tar.gz in build/; the Debian source package and its .deb files, made by
# dpkg-buildpackage, in build/deb/ (without the tests, which `make test` runs).
package: build
	cd $(BUILD) && cpack -G TGZ
	DEB_BUILD_OPTIONS="nocheck parallel=$(JOBS)" ./scripts/build-deb.sh $(BUILD)/deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
