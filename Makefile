# Set-up, build and test in two commands: `make run` and `make test`.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

# The Qt to build with: QT=5 or QT=6 chooses. By default Qt 6 when its
# development package is installed, else Qt 5 when that one is, else Qt 6
# (what a fresh machine gets). The package lists below follow the choice.
installed = $(shell dpkg-query -W -f='$${Status}' $(1) 2>/dev/null | grep -q 'ok installed' && echo yes)
QT ?= $(if $(call installed,qt6-base-dev),6,$(if $(call installed,qtbase5-dev),5,6))
ifeq ($(filter 5 6,$(QT)),)
$(error QT=$(QT): give 5 or 6)
endif

# Debian packages: the first line builds the tool, the rest only the tests,
# the benchmark and the fuzz target. The load test needs Qt Quick and the
# QML modules it imports.
QT_PACKAGES_5 = qtbase5-dev
QT_PACKAGES_6 = qt6-base-dev
QUICK_PACKAGES_5 = qtdeclarative5-dev qml-module-qtquick2
QUICK_PACKAGES_6 = qt6-declarative-dev qml6-module-qtquick qml6-module-qtqml \
  qml6-module-qtqml-workerscript
BUILD_PACKAGES = cmake g++ make $(QT_PACKAGES_$(QT))
TEST_PACKAGES = $(QUICK_PACKAGES_$(QT))
BENCH_PACKAGES = libbenchmark-dev valgrind
FUZZ_PACKAGES = clang libclang-rt-14-dev

EXAMPLE = examples/hero.json

.PHONY: all run test deps test-deps test-packages bench fuzz sanitize install clean

CONFIGURE = cmake -S . -DRIGSMITH_QT_MAJOR=$(QT)

# Configured every time (a second or two), so that QT= takes effect in a
# build folder configured with the other Qt before.
all:
	$(CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: deps all
	$(BUILD_DIR)/src/rigsmith $(EXAMPLE) examples/Hero.qml
	@echo "The QML document is in examples/Hero.qml"

# Configured again every time (a second or two): a build folder that
# `make run` configured before test-deps installed Qt Quick must find it now.
test: deps test-deps
	$(CONFIGURE) -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# Builds and runs every test under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps test-deps
	$(CONFIGURE) -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DRIGSMITH_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

# Times the converter against parsing alone on generated 1, 10 and 50 MB
# skeletons, the 50 MB one in the 4.2 layout (plain, with a curve per channel,
# and with all keys in one animation) and in the 4.3 layout, a 10 MB 4.2
# skeleton of 200 slots with a draw order key and an event at every frame,
# and prints one table; then counts the instructions of each stage at 10 MB
# under callgrind. The inputs stay in build-bench/inputs. `make bench QT=5`
# and `make bench QT=6` build in folders of their own, so that the two tables
# come from one machine and one run.
BENCH_DIR = build-bench$(if $(filter command line environment,$(origin QT)),-qt$(QT))
bench: deps
	$(call install_missing,$(BENCH_PACKAGES))
	$(CONFIGURE) -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DRIGSMITH_BENCH=ON -DRIGSMITH_TESTS=OFF
	cmake --build $(BENCH_DIR) -j $(JOBS) --target rigsmith generate_skeleton parse_only run_benchmark
	$(BENCH_DIR)/bench/run_benchmark --generator $(BENCH_DIR)/bench/generate_skeleton \
	  --parse-only $(BENCH_DIR)/bench/parse_only --converter $(BENCH_DIR)/src/rigsmith \
	  --work-dir $(BENCH_DIR)/inputs --sizes 1,10,50 --layout-4.2 50 --layout-4.3 50 \
	  --channel-curves 50 --one-animation 50 --draw-order-events 10 --binary-4.2 on \
	  --stages 10 --runs 5

# Builds the libFuzzer target with clang and runs it for FUZZ_SECONDS on a
# working corpus in $(FUZZ_DIR)/corpus, seeded from fuzz/corpus. Crashing
# inputs land in $(FUZZ_DIR)/artifacts/; any finding fails the target.
# Leaks are checked in a second pass over both corpora: telling Qt's own JSON
# parser leak apart needs full allocation stacks, which would make the
# fuzzing itself some twenty times slower.
FUZZ_FLAGS = -timeout=10 -rss_limit_mb=2048 -max_len=65536 -dict=fuzz/json.dict \
  -artifact_prefix=$(FUZZ_DIR)/artifacts/
fuzz: deps
	$(call install_missing,$(FUZZ_PACKAGES))
	$(CONFIGURE) -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DRIGSMITH_FUZZ=ON -DRIGSMITH_TESTS=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target convert_fuzzer
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/artifacts
	ASAN_OPTIONS=detect_leaks=0 $(FUZZ_DIR)/fuzz/convert_fuzzer $(FUZZ_FLAGS) -detect_leaks=0 \
	  -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 $(FUZZ_DIR)/corpus fuzz/corpus
	ASAN_OPTIONS=fast_unwind_on_malloc=0 LSAN_OPTIONS=print_suppressions=0 $(FUZZ_DIR)/fuzz/convert_fuzzer $(FUZZ_FLAGS) -runs=0 \
	  $(FUZZ_DIR)/corpus fuzz/corpus

install: all
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) build-bench build-bench-qt5 build-bench-qt6 $(FUZZ_DIR)

# Installs what is missing when root; otherwise names what to install.
define install_missing
	@missing=""; for p in $(1); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then \
	  if [ "$$(id -u)" = 0 ]; then apt-get update && apt-get install -y $$missing; \
	  else echo "Please install these Debian packages:$$missing"; exit 1; fi; \
	fi
endef

deps:
	$(call install_missing,$(BUILD_PACKAGES))

test-deps:
	$(call install_missing,$(TEST_PACKAGES))

# The test-only packages of the chosen Qt (tests/fresh_machine removes them).
test-packages:
	@echo $(TEST_PACKAGES)
