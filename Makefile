# Two entry points for a fresh Debian machine:
#   make run   install what is missing, build Release, start Tervanelo
#   make test  install what is missing, build with sanitizers, run every test,
#              run every test again in an optimised build without sanitizers
#              (then the fuzz targets with clang and the ThreadSanitizer check)
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
TEST_DIR := build/test
OPTIMISED_DIR := build/rel
XVFB := xvfb-run -a -s "-screen 0 1920x1080x24"
# The tests of real recorder files read ../shared/data and are skipped where it
# is missing; CI runs make test REQUIRE_SHARED_DATA=ON so that they must run.
REQUIRE_SHARED_DATA ?= OFF

.PHONY: deps run release test optimised-run bench fuzz fuzz-run tsan tsan-run clean

deps:
	./scripts/install-deps.sh

release: deps
	cmake -S . -B $(RELEASE_DIR) -DCMAKE_BUILD_TYPE=Release -DTERVANELO_TESTS=OFF -DTERVANELO_BENCH=OFF
	cmake --build $(RELEASE_DIR) -j$(JOBS)

run: release
	./$(RELEASE_DIR)/app/Tervanelo

test: deps
	cmake -S . -B $(TEST_DIR) -DCMAKE_BUILD_TYPE=Debug -DTERVANELO_SANITIZE=ON -DTERVANELO_TESTS=ON -DTERVANELO_BENCH=ON \
	  -DTERVANELO_REQUIRE_SHARED_DATA=$(REQUIRE_SHARED_DATA)
	cmake --build $(TEST_DIR) -j$(JOBS)
	cd $(TEST_DIR) && $(XVFB) ctest --output-on-failure -j$(JOBS)
	$(MAKE) optimised-run
	$(MAKE) fuzz-run
	$(MAKE) tsan-run

# The same suite as shipped: optimised, no sanitizers. A test that passes only
# at -O1 under the sanitizers leans on addresses, timing or flags.
optimised-run:
	cmake -S . -B $(OPTIMISED_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTERVANELO_SANITIZE=OFF -DTERVANELO_TESTS=ON -DTERVANELO_BENCH=ON \
	  -DTERVANELO_REQUIRE_SHARED_DATA=$(REQUIRE_SHARED_DATA)
	cmake --build $(OPTIMISED_DIR) -j$(JOBS)
	cd $(OPTIMISED_DIR) && $(XVFB) ctest --output-on-failure -j$(JOBS)

# Benchmark figures come from an optimised build.
bench: deps
	cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DTERVANELO_TESTS=OFF -DTERVANELO_BENCH=ON
	cmake --build build/bench -j$(JOBS)

# libFuzzer executables, built with clang; each runs briefly from its corpus.
# The -run targets skip deps, which test has already run.
fuzz: deps
	$(MAKE) fuzz-run

fuzz-run:
	CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DTERVANELO_SANITIZE=ON -DTERVANELO_FUZZ=ON -DTERVANELO_BENCH=OFF
	cmake --build build/fuzz --target fuzzers -j$(JOBS)
	cd build/fuzz && ctest -L fuzz --output-on-failure -j$(JOBS)

# The ray tracing's race check: one test built with ThreadSanitizer.
tsan: deps
	$(MAKE) tsan-run

tsan-run:
	cmake -S . -B build/tsan -DCMAKE_BUILD_TYPE=Debug -DTERVANELO_TSAN=ON -DTERVANELO_BENCH=OFF
	cmake --build build/tsan -j$(JOBS) --target tsan_raytracing
	cd build/tsan && ctest --output-on-failure -R tsan_raytracing

clean:
	rm -rf build
