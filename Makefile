# Two commands for a fresh Debian 12 machine: `make run` plays, `make test` runs every test.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build run test test-fast test-asan sim bench soak package clean

deps:
	./scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/bin/gusanicida

# Every test, headless, then all of them again under AddressSanitizer and UBSan.
test: test-fast test-asan

test-fast: build
	QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	./scripts/check-package.sh $(BUILD)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_FLAGS) -DGUS_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -LE atspi

sim: build
	./$(BUILD)/bin/gusanicida-sim

bench: build
	./$(BUILD)/bin/bench_latency
	./$(BUILD)/bin/bench_ui
	./scripts/bench-program.sh $(BUILD)
	./bench/orca/bench-orca.sh $(BUILD)
	./scripts/bench-server.sh $(BUILD)

soak: build
	./$(BUILD)/bin/soak $(or $(GAMES),10000)

# CPack's .tar.gz in build/; the Debian source package and its .deb files, made by
# dpkg-buildpackage, in build/deb/ (without the tests, which `make test` runs).
package: build
	cd $(BUILD) && cpack -G TGZ
	DEB_BUILD_OPTIONS="nocheck parallel=$(JOBS)" ./scripts/build-deb.sh $(BUILD)/deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
