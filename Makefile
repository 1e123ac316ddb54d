# Helion: `make run` sets up and starts the program, `make test` sets up and runs every test.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
PACKAGE_BUILD ?= build-package
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: deps build run test test-normal test-locale test-fuzz test-asan fuzz fuzz-build bench font package clean

deps:
	@bash tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target helion
	$(BUILD)/bin/helion

test-normal: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The normal build once more under a locale whose decimal separator is the comma: numbers
# in files, records and boxes must read and print alike under every locale.
test-locale: build
	cd $(BUILD) && LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 ctest --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DHELION_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# The readers of user-editable files under libFuzzer (clang), each for FUZZ_SECONDS.
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DHELION_FUZZ=ON -DHELION_TESTS=OFF -DHELION_DESKTOP=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target helion_fuzzers

fuzz: fuzz-build
	bash tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

test-fuzz: fuzz-build
	bash tools/fuzz.sh $(FUZZ_BUILD) 10

test: test-normal test-locale test-fuzz test-asan

bench: deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DHELION_TESTS=OFF -DHELION_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	@for b in $(BENCH_BUILD)/bin/helion_bench_*; do echo "== $$b"; $$b; done

# Rebuilds the wheel glyph font data/horary.ttf and its licence from the Noto fonts.
font:
	@bash tools/install-deps.sh --font-tools
	/usr/bin/python3 tools/make_horary_font.py

# The Debian package helion_<version>_amd64.deb in $(PACKAGE_BUILD)/, built for /usr.
package: deps
	cmake -S . -B $(PACKAGE_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DHELION_TESTS=OFF
	cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(PACKAGE_BUILD) $(FUZZ_BUILD)
