# make test: install what is missing, build, run every test.
# make run:  install what is missing, build, run the main job on the demo data.
JOBS ?= 2
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

# Debian packages each goal needs.
BUILD_PACKAGES := g++ make cmake ninja-build libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev
BENCH_PACKAGES := libbenchmark-dev
FUZZ_PACKAGES := clang libclang-rt-14-dev
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 120

.PHONY: all deps bench-deps fuzz-deps build test run asan-test bench fuzz clean

all: build

deps:
	@./tools/install-packages $(BUILD_PACKAGES)

bench-deps:
	@./tools/install-packages $(BUILD_PACKAGES) $(BENCH_PACKAGES)

fuzz-deps:
	@./tools/install-packages $(BUILD_PACKAGES) $(FUZZ_PACKAGES)

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

# The demo folder's summary, then what the catalog offers Germany in June 1941 (the other
# nations, not expanded, are left out).
run: build
	$(BUILD)/src/valdren -C data/demo check
	$(BUILD)/src/valdren -C data/demo catalog --date 6/41 --depth 3 Germany > $(BUILD)/demo-catalog.txt
	@awk '/^  [^ ]/ { shown = ($$0 == "  Germany") } NR == 1 || shown' $(BUILD)/demo-catalog.txt

asan-test: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVALDREN_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --test-dir $(ASAN_BUILD) -j $(JOBS) --output-on-failure

bench: bench-deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVALDREN_TESTS=OFF -DVALDREN_BENCH=ON
	cmake --build $(BENCH_BUILD) -j $(JOBS)
	./tools/run-benchmarks $(BENCH_BUILD)

fuzz: fuzz-deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVALDREN_TESTS=OFF -DVALDREN_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	./tools/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
